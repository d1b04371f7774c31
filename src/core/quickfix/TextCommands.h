#pragma once
// The quick fix commands that act on the text as a whole. Letter case here
// means the ASCII letters only; every other byte is left as it is.
#include <string>
#include <string_view>

namespace cvd {

std::string LowercaseText(std::string_view text);
std::string UppercaseText(std::string_view text);

// Lower case, then the first character of every word upper case. A word is a
// run of 0-9, A-Z and a-z; every other byte separates words.
std::string CapitalizeFirstLetters(std::string_view text);

// Turns the escapes \r and \n (either letter case) into CR and LF; a
// backslash before anything else is an ordinary character.
std::string SpecialChars(std::string_view argument);

// Deletes every occurrence of `chars` (letters matching either case),
// scanning left to right. An empty `chars` changes nothing.
std::string RemoveChars(std::string_view text, std::string_view chars);

// `argument` is old + "," + new: every occurrence of old (letters matching
// either case) becomes new, scanning left to right and continuing after each
// replacement. Old ends at the first comma; new keeps at most 255 characters;
// both have their escapes applied. An empty old changes nothing.
std::string ReplaceChars(std::string_view text, std::string_view argument);

// The old and new texts of a {Replace} argument, escapes applied.
struct ReplaceArgument {
  std::string oldText;
  std::string newText;
};
ReplaceArgument SplitReplaceArgument(std::string_view argument);
std::string ReplaceChars(std::string_view text, const ReplaceArgument& argument);

// How many occurrences RemoveChars or ReplaceChars would find.
std::size_t CountOccurrences(std::string_view text, std::string_view pattern);

}  // namespace cvd
