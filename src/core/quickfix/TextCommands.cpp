#include "core/quickfix/TextCommands.h"

#include "core/quickfix/TextSearch.h"
#include "core/util/Text.h"

namespace cvd {

namespace {

bool IsWordChar(char c) { return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'); }

char Lower(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

char Upper(char c) { return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c; }

// The text with every occurrence of `pattern` replaced by `replacement`.
std::string ReplaceAll(std::string_view text, std::string_view pattern, std::string_view replacement) {
  const FoldedPattern folded(pattern);
  if (folded.size() == 0) return std::string(text);
  std::string out;
  out.reserve(text.size());
  std::size_t copied = 0;
  folded.ForEachOccurrence(text, [&](std::size_t start) {
    out.append(text, copied, start - copied);
    out.append(replacement);
    copied = start + folded.size();
  });
  out.append(text, copied);
  return out;
}

}  // namespace

std::string LowercaseText(std::string_view text) {
  std::string out(text);
  for (char& c : out) c = Lower(c);
  return out;
}

std::string UppercaseText(std::string_view text) {
  std::string out(text);
  for (char& c : out) c = Upper(c);
  return out;
}

std::string CapitalizeFirstLetters(std::string_view text) {
  std::string out(text);
  bool inWord = false;
  for (char& c : out) {
    c = Lower(c);
    const bool word = IsWordChar(c);
    if (word && !inWord) c = Upper(c);
    inWord = word;
  }
  return out;
}

std::string SpecialChars(std::string_view argument) {
  std::string out;
  out.reserve(argument.size());
  for (std::size_t i = 0; i < argument.size(); ++i) {
    if (argument[i] == '\\' && i + 1 < argument.size()) {
      const char letter = Lower(argument[i + 1]);
      if (letter == 'r' || letter == 'n') {
        out += letter == 'r' ? '\r' : '\n';
        ++i;
        continue;
      }
    }
    out += argument[i];
  }
  return out;
}

std::string RemoveChars(std::string_view text, std::string_view chars) { return ReplaceAll(text, chars, {}); }

ReplaceArgument SplitReplaceArgument(std::string_view argument) {
  const std::size_t comma = argument.find(',');
  // Without a comma there is no old text, so nothing is replaced.
  if (comma == std::string_view::npos) return {};
  const std::string_view rest = argument.substr(comma + 1);
  return ReplaceArgument{SpecialChars(argument.substr(0, comma)),
                         SpecialChars(rest.substr(0, Utf8PrefixBytes(rest, 255)))};
}

std::string ReplaceChars(std::string_view text, const ReplaceArgument& argument) {
  return ReplaceAll(text, argument.oldText, argument.newText);
}

std::string ReplaceChars(std::string_view text, std::string_view argument) {
  return ReplaceChars(text, SplitReplaceArgument(argument));
}

std::size_t CountOccurrences(std::string_view text, std::string_view pattern) {
  std::size_t count = 0;
  FoldedPattern(pattern).ForEachOccurrence(text, [&](std::size_t) { ++count; });
  return count;
}

}  // namespace cvd
