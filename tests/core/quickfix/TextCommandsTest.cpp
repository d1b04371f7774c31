#include "core/quickfix/TextCommands.h"

#include <gtest/gtest.h>

#include <tuple>

#include "core/quickfix/LineCommands.h"

namespace cvd {
namespace {

TEST(TextCommands, CapitalizeFirstLetters) {
  const std::pair<const char*, const char*> cases[] = {
      {"it's 3RD time", "It'S 3rd Time"},
      {"x1y z-w", "X1y Z-W"},
      {"  a\r\nb", "  A\r\nB"},
      {"caf\xC3\xA9s ok", "Caf\xC3\xA9S Ok"},  // bytes outside 0-9 A-Z a-z separate words
  };
  for (const auto& [text, expected] : cases) EXPECT_EQ(CapitalizeFirstLetters(text), expected) << text;
}

TEST(TextCommands, Escapes) {
  const std::pair<const char*, const char*> cases[] = {
      {"\\R\\n", "\r\n"}, {"a\\tb", "a\\tb"}, {"\\\\n", "\\\n"}, {"end\\", "end\\"}};
  for (const auto& [argument, expected] : cases) EXPECT_EQ(SpecialChars(argument), expected) << argument;
}

TEST(TextCommands, RemoveAndReplaceEveryOccurrence) {
  using Case = std::tuple<const char*, const char*, const char*>;
  const Case removes[] = {
      {"aaa", "aa", "a"},
      {"abab", "ABA", "b"},  // left to right, no overlaps, either letter case
      {"xyz", "", "xyz"},
      {"aabaab", "aab", ""},  // a partial match just before a real one
  };
  for (const auto& [text, pattern, expected] : removes) EXPECT_EQ(RemoveChars(text, pattern), expected) << text;
  const Case replaces[] = {
      {"one two", "O,0", "0ne tw0"}, {"aa", "a,aa", "aaaa"},  // the inserted text is not searched again
      {"a,b", ",,x", "a,b"},                                  // old ends at the first comma: it is empty here
      {"abc", "b", "abc"},                                    // no comma: no old text
      {"x,y", "x,1,2", "1,2,y"},                              // new may hold commas
  };
  for (const auto& [text, argument, expected] : replaces) EXPECT_EQ(ReplaceChars(text, argument), expected) << argument;
  // The new text keeps at most 255 characters.
  EXPECT_EQ(ReplaceChars("x", "x," + std::string(300, 'y')), std::string(255, 'y'));
  const std::string accents = [] {
    std::string s;
    for (int i = 0; i < 300; ++i) s += "\xC3\xA9";
    return s;
  }();
  EXPECT_EQ(ReplaceChars("x", "x," + accents), accents.substr(0, 510));  // characters, not bytes
}

TEST(LineCommands, LinesAreSeparatedByCrLfOnly) {
  const std::pair<const char*, const char*> cases[] = {
      {"", ""},
      {"a\r\n", ">a\r\n"},  // no line after a final CR LF
      {"a\r\n\r\nb", ">a\r\n>\r\n>b"},
      {"a\rb\nc", ">a\rb\nc"},  // lone CR and LF are ordinary characters
  };
  for (const auto& [text, prefixed] : cases) {
    EXPECT_EQ(AddPrefix(text, ">"), prefixed) << text;
    EXPECT_EQ(RemoveLeading(prefixed, ">"), text) << text;
  }
  EXPECT_EQ(AddSuffix("a\r\n\r\nb\r\n", "<"), "a<\r\n<\r\nb<\r\n");
  EXPECT_EQ(RemoveTrailing("a<<\r\n<\r\nb<", "<"), "a\r\n\r\nb");
  // A prefix with a line break of its own goes in front of every line of the input only.
  EXPECT_EQ(AddPrefix("a\r\nb", "-\r\n"), "-\r\na\r\n-\r\nb");
  EXPECT_EQ(AddSuffix("a\r\nb", "\r\n"), "a\r\n\r\nb\r\n");
  // Repeated removal, multi-character patterns, and patterns that do not fit.
  EXPECT_EQ(RemoveLeading("ababa", "ab"), "a");
  EXPECT_EQ(RemoveTrailing("b", "ab"), "b");
  EXPECT_EQ(RemoveLeading("AB", "ab"), "AB");  // compared exactly
}

TEST(LineCommands, SetLineLengthWrapsWords) {
  const std::tuple<std::string, long long, std::string> cases[] = {
      {"the quick brown fox jumps", 10, "the quick\r\nbrown fox\r\njumps\r\n"},
      {"abcd efgh", 4, "abcd\r\nefgh\r\n"},                  // a word may end exactly at the width
      {"ab abcdefghij", 4, "ab\r\nabcd\r\nefgh\r\nij\r\n"},  // a longer word is cut
      {"a   b", 2, "a\r\nb\r\n"},                            // blanks at a break go
      {"ab\r\n\r\ncd", 5, "ab\r\n\r\ncd\r\n"},               // breaks stay, every line ends with CR LF
      {"  indented text", 9, "  indente\r\nd text\r\n"},     // too long even for a line of its own
      {"\xC3\xA9\xC3\xA9\xC3\xA9 \xC3\xA9\xC3\xA9\xC3\xA9", 3,
       "\xC3\xA9\xC3\xA9\xC3\xA9\r\n\xC3\xA9\xC3\xA9\xC3\xA9\r\n"},
      {"abc", 0, "abc"},
      {"abc", -4, "abc"},  // no width: the text stays as it is
  };
  for (const auto& [text, width, expected] : cases) EXPECT_EQ(SetLineLength(text, width), expected) << text << width;
}

TEST(LineCommands, GroupLines) {
  EXPECT_EQ(GroupLines("a\r\nb\r\nc\r\n", 2), (std::vector<std::string>{"a\r\nb\r\n", "c\r\n"}));
  EXPECT_EQ(GroupLines("a\r\n\r\nb", 1), (std::vector<std::string>{"a\r\n", "\r\n", "b\r\n"}));
  EXPECT_TRUE(GroupLines("", 1).empty());
}

}  // namespace
}  // namespace cvd
