#include "core/quickfix/TextCommands.h"

#include <gtest/gtest.h>

#include "core/quickfix/LineCommands.h"

namespace cvd {
namespace {

TEST(TextCommands, CapitalizeFirstLetters) {
  struct Case {
    const char* text;
    const char* expected;
  } cases[] = {
      {"it's 3RD time", "It'S 3rd Time"}, {"HELLO wORLD", "Hello World"},   {"x1y z-w", "X1y Z-W"},
      {"caf\xC3\xA9s ok", "Caf\xC3\xA9S Ok"},  // bytes outside 0-9 A-Z a-z separate words
      {"", ""},                           {"  a\r\nb", "  A\r\nB"},
  };
  for (const auto& c : cases) EXPECT_EQ(CapitalizeFirstLetters(c.text), c.expected) << c.text;
}

TEST(TextCommands, Escapes) {
  struct Case {
    const char* argument;
    const char* expected;
  } cases[] = {
      {"\\r\\n", "\r\n"}, {"\\R\\N", "\r\n"}, {"a\\tb", "a\\tb"}, {"\\\\n", "\\\n"}, {"end\\", "end\\"}, {"", ""},
  };
  for (const auto& c : cases) EXPECT_EQ(SpecialChars(c.argument), c.expected) << c.argument;
}

TEST(TextCommands, RemoveAndReplaceEveryOccurrence) {
  struct Case {
    const char* text;
    const char* pattern;
    const char* expected;
  } removes[] = {
      {"aaaa", "aa", ""},     {"aaa", "aa", "a"},  {"abab", "ABA", "b"},  // left to right, no overlaps
      {"xyz", "", "xyz"},     {"", "a", ""},       {"abcab", "ab", "c"},  {"aXbxc", "x", "abc"},
      {"aabaab", "aab", ""},  // a partial match just before a real one
  };
  for (const auto& c : removes) EXPECT_EQ(RemoveChars(c.text, c.pattern), c.expected) << c.text << "/" << c.pattern;

  struct ReplaceCase {
    const char* text;
    const char* argument;
    const char* expected;
  } replaces[] = {
      {"a;b;", ";,.", "a.b."}, {"one two", "O,0", "0ne tw0"},
      {"aa", "a,aa", "aaaa"},        // the inserted text is not searched again
      {"a,b", ",,x", "a,b"},         // old ends at the first comma: it is empty here
      {"abc", "b", "abc"},           // no comma: no old text
      {"a b", " ,\\r\\n", "a\r\nb"},
      {"x,y", "x,1,2", "1,2,y"},     // new may hold commas
  };
  for (const auto& c : replaces) EXPECT_EQ(ReplaceChars(c.text, c.argument), c.expected) << c.argument;
  // The new text keeps at most 255 characters.
  EXPECT_EQ(ReplaceChars("x", "x," + std::string(300, 'y')), std::string(255, 'y'));
  EXPECT_EQ(ReplaceChars("x", "x," + std::string(300, '\xC3') ).size(), 255u);
  const std::string accents = [] {
    std::string s;
    for (int i = 0; i < 300; ++i) s += "\xC3\xA9";
    return s;
  }();
  EXPECT_EQ(ReplaceChars("x", "x," + accents), accents.substr(0, 510));  // characters, not bytes
}

TEST(LineCommands, LinesAreSeparatedByCrLfOnly) {
  struct Case {
    const char* text;
    const char* prefixed;
  } cases[] = {
      {"", ""}, {"a", ">a"},
      {"a\r\n", ">a\r\n"},  // no line after a final CR LF
      {"\r\n", ">\r\n"}, {"a\r\n\r\nb", ">a\r\n>\r\n>b"},
      {"a\rb\nc", ">a\rb\nc"},  // lone CR and LF are ordinary characters
      {"a\r\r\nb", ">a\r\r\n>b"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(AddPrefix(c.text, ">"), c.prefixed) << c.text;
    EXPECT_EQ(RemoveLeading(c.prefixed, ">"), c.text) << c.text;
  }
  EXPECT_EQ(AddSuffix("a\r\n\r\nb\r\n", "<"), "a<\r\n<\r\nb<\r\n");
  EXPECT_EQ(RemoveTrailing("a<<\r\n<\r\nb<", "<"), "a\r\n\r\nb");
  // A prefix with a line break of its own goes in front of every line of the input only.
  EXPECT_EQ(AddPrefix("a\r\nb", "-\r\n"), "-\r\na\r\n-\r\nb");
  EXPECT_EQ(AddSuffix("a\r\nb", "\r\n"), "a\r\n\r\nb\r\n");
  // Repeated removal, multi-character patterns, and patterns that do not fit.
  EXPECT_EQ(RemoveLeading("ababa", "ab"), "a");
  EXPECT_EQ(RemoveTrailing("ababab", "ab"), "");
  EXPECT_EQ(RemoveTrailing("b", "ab"), "b");
  EXPECT_EQ(RemoveLeading("AB", "ab"), "AB");  // compared exactly
  EXPECT_EQ(RemoveLeading("x", ""), "x");
}

TEST(LineCommands, SetLineLengthWrapsWords) {
  struct Case {
    std::string text;
    long long width;
    std::string expected;
  } cases[] = {
      {"the quick brown fox jumps", 10, "the quick\r\nbrown fox\r\njumps\r\n"},
      {"abcd efgh", 4, "abcd\r\nefgh\r\n"},            // a word may end exactly at the width
      {"abcdefghij", 4, "abcd\r\nefgh\r\nij\r\n"},     // a longer word is cut
      {"ab abcdefghij", 4, "ab\r\nabcd\r\nefgh\r\nij\r\n"},
      {"a   b", 2, "a\r\nb\r\n"},                      // blanks at a break go
      {"ab\r\n\r\ncd", 5, "ab\r\n\r\ncd\r\n"},          // breaks stay, every line ends with CR LF
      {"abc\r\n", 5, "abc\r\n"}, {"", 5, ""}, {"  indented text", 10, "  indented\r\ntext\r\n"},
      {"  indented text", 9, "  indente\r\nd text\r\n"},  // too long even for a line of its own
      {"     ", 2, "  \r\n  \r\n \r\n"},
      {"\xC3\xA9\xC3\xA9\xC3\xA9 \xC3\xA9\xC3\xA9\xC3\xA9", 3, "\xC3\xA9\xC3\xA9\xC3\xA9\r\n\xC3\xA9\xC3\xA9\xC3\xA9\r\n"},
      {"abc", 0, "abc"},  // no width: the text stays as it is
      {"abc", -4, "abc"}, {"short", 2147483647, "short\r\n"},
  };
  for (const auto& c : cases) EXPECT_EQ(SetLineLength(c.text, c.width), c.expected) << c.text << " at " << c.width;
}

TEST(LineCommands, GroupLines) {
  EXPECT_EQ(GroupLines("a\r\nb\r\nc", 1), (std::vector<std::string>{"a\r\n", "b\r\n", "c\r\n"}));
  EXPECT_EQ(GroupLines("a\r\nb\r\nc\r\n", 2), (std::vector<std::string>{"a\r\nb\r\n", "c\r\n"}));
  EXPECT_EQ(GroupLines("a\r\n\r\nb", 1), (std::vector<std::string>{"a\r\n", "\r\n", "b\r\n"}));
  EXPECT_TRUE(GroupLines("", 1).empty());
}

}  // namespace
}  // namespace cvd
