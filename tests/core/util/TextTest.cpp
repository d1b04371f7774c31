#include "core/util/Text.h"

#include <gtest/gtest.h>

namespace cvd {
namespace {

TEST(Text, PrefixNeverSplitsASequence) {
  const std::string text = "a\xC3\xA9\xE2\x82\xAC\xF0\x9F\x98\x80z";  // a é € 😀 z
  const std::size_t expected[] = {0, 1, 3, 6, 10, 11, 11};
  for (std::size_t n = 0; n < 7; ++n) EXPECT_EQ(Utf8PrefixBytes(text, n), expected[n]) << n;
  // A truncated sequence at the end counts as what is there, never beyond.
  EXPECT_EQ(Utf8PrefixBytes("\xE2\x82", 1), 2u);
  // Stray continuation bytes advance one by one.
  EXPECT_EQ(Utf8PrefixBytes("\x80\x80x", 2), 2u);
}

TEST(Text, ValidUtf8ReplacesOnlyBrokenSequences) {
  EXPECT_EQ(ValidUtf8("plain \xC3\xA9"), "plain \xC3\xA9");
  EXPECT_EQ(ValidUtf8("\xFF"), "\xEF\xBF\xBD");
  EXPECT_EQ(ValidUtf8("a\xC3"), "a\xEF\xBF\xBD");
  EXPECT_EQ(ValidUtf8("\xED\xA0\x80"), "\xEF\xBF\xBD\xEF\xBF\xBD\xEF\xBF\xBD");  // surrogate
}

TEST(Text, CaseFoldingIsAsciiOnly) {
  EXPECT_EQ(UpperAscii("abz\xC3\xA9"), "ABZ\xC3\xA9");
  EXPECT_TRUE(SameTextAscii("Default", "dEFAULT"));
  EXPECT_FALSE(SameTextAscii("\xC3\xA9", "\xC3\x89"));
}

}  // namespace
}  // namespace cvd
