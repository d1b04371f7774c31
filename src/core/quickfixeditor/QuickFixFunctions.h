#pragma once
// The functions the quick fix editor offers for writing an action: their
// list names, descriptions, command keywords and the question each asks.
#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace cvd {

struct QuickFixFunction {
  const char* displayName;  // in the list "Quick fix functions:"
  const char* keyword;      // the command written into the action
  const char* description;  // in the status bar when the entry is clicked
  const char* prompt;       // the question for its argument; null: none
};

inline constexpr int kQuickFixFunctionCount = 14;
extern const std::array<QuickFixFunction, kQuickFixFunctionCount> kQuickFixFunctions;

// The display names in alphabetical order, as the list shows them.
std::vector<std::string> QuickFixFunctionNames();
// The entry with this display name (exact comparison); the first entry
// when none has it.
const QuickFixFunction& FindQuickFixFunction(std::string_view displayName);

// The command appended to an action: "{" keyword, a blank and the
// argument when there is one, "}".
std::string QuickFixCommand(std::string_view keyword, std::string_view argument);

// Backspace at `caret` (a byte offset) right after a "}": the offset of the
// "{" that opens that command (nested braces counted), so that the whole
// command goes in one stroke. Nothing when the caret is not after a "}" or
// no brace opens it.
std::optional<std::size_t> CommandStartBefore(std::string_view text, std::size_t caret);

// A name without the characters up to code 32 at its ends.
std::string TrimQuickFixName(std::string_view name);
// Names become keys of the settings file: "=" would split the stored line,
// "[" and "]" read as a section, a leading ";" as a comment, and the name
// of a fixed shortcut would take over that shortcut's key.
bool UsableAsSettingsKey(std::string_view name);

}  // namespace cvd
