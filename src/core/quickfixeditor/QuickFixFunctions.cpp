#include "core/quickfixeditor/QuickFixFunctions.h"

#include <algorithm>

#include "core/settings/Settings.h"

namespace cvd {

const std::array<QuickFixFunction, kQuickFixFunctionCount> kQuickFixFunctions{{
    {"Remove characters", "Remove", "Remove characters from text", "What character(s) do you want to remove?"},
    {"Remove leading", "RemoveLeading", "Remove characters from beginning of text",
     "What leading character(s) do you want to remove?"},
    {"Remove trailing", "RemoveTrailing", "Remove characters from end of text",
     "What trailing character(s) do you want to remove?"},
    {"Replace characters", "Replace", "Replace characters with other characters",
     "What character(s) do you want to replace?"},
    {"Add prefix", "AddPrefix", "Add characters to beginning of text", "What character(s) do you want to prefix?"},
    {"Add suffix", "AddSuffix", "Add characters at end of text", "What character(s) do you want to suffix?"},
    {"Make lowercase", "Lowercase", "Change text to lower case", nullptr},
    {"Make uppercase", "Uppercase", "Change text to uppercase", nullptr},
    {"Capitalize first", "CapitalizeFirst", "Capitalize first letter of every word", nullptr},
    {"Set line length", "LineLength", "Set the number of characters per line", "How long do you want each line to be?"},
    {"Split into buttons", "Split", "Split text into multiple buttons", "How many lines do you want per button?"},
    {"Format number", "Number", "Format number",
     "How would you like to format the number?\nExample: (###) ###-#### for phone number"},
    {"Dial number", "Dial", "Call the phone number in the text with the desktop's telephone program (a tel: link)",
     nullptr},
    {"Set button color", "ButtonColor", "Set the color of the button text and background", nullptr},
}};

std::vector<std::string> QuickFixFunctionNames() {
  std::vector<std::string> names;
  for (const QuickFixFunction& function : kQuickFixFunctions) names.emplace_back(function.displayName);
  std::sort(names.begin(), names.end());
  return names;
}

const QuickFixFunction& FindQuickFixFunction(std::string_view displayName) {
  for (const QuickFixFunction& function : kQuickFixFunctions) {
    if (displayName == function.displayName) return function;
  }
  return kQuickFixFunctions[0];
}

std::string QuickFixCommand(std::string_view keyword, std::string_view argument) {
  std::string command = "{";
  command += keyword;
  if (!argument.empty()) {
    command += ' ';
    command += argument;
  }
  return command + "}";
}

std::optional<std::size_t> CommandStartBefore(std::string_view text, std::size_t caret) {
  if (caret == 0 || caret > text.size() || text[caret - 1] != '}') return std::nullopt;
  int depth = 1;
  for (std::size_t i = caret - 1; i-- > 0;) {
    if (text[i] == '}') ++depth;
    if (text[i] == '{' && --depth == 0) return i;
  }
  return std::nullopt;
}

std::string TrimQuickFixName(std::string_view name) {
  const auto blank = [](char c) { return static_cast<unsigned char>(c) <= 32; };
  while (!name.empty() && blank(name.front())) name.remove_prefix(1);
  while (!name.empty() && blank(name.back())) name.remove_suffix(1);
  return std::string(name);
}

bool UsableAsSettingsKey(std::string_view name) {
  if (name.find_first_of("=[]") != std::string_view::npos) return false;
  if (!name.empty() && name.front() == ';') return false;
  return !IsReservedHotKeyName(std::string(name));
}

}  // namespace cvd
