#include "core/data/LineFile.h"

#include <gtest/gtest.h>

namespace cvd {
namespace {

TEST(PackText, LineBreaksAndTabsBecomeSingleBytes) {
  struct Case {
    std::string text, packed;
  } cases[] = {
      {"a\r\nb", "a\xFF" "b"}, {"a\tb", "a\xFE" "b"}, {"\r\n\r\n", "\xFF\xFF"},
      {"a\rb", "a\rb"},      // a lone CR keeps the next character
      {"a\r", "a\r"}, {"\r\r\n", "\r\xFF"},
      {"a\nb", "a\nb"},      // so does a lone LF
      {"caf\xC3\xA9", "caf\xC3\xA9"}, {"", ""},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(PackText(c.text), c.packed) << c.text;
    EXPECT_EQ(UnpackText(c.packed), c.text) << c.text;
    EXPECT_EQ(UnpackText(std::string(c.packed)), c.text) << c.text;  // reusing the storage
  }
  // A stored 0xFF byte can only come back as a line break.
  EXPECT_EQ(UnpackText(PackText("x\xFFy")), "x\r\ny");
}

TEST(ParseWholeNumber, AcceptsOnlyWholeDecimalNumbersInRange) {
  struct Case {
    const char* text;
    std::optional<std::int32_t> value;
  } cases[] = {
      {"0", 0}, {"-5", -5}, {"+7", 7}, {"2147483647", 2147483647}, {"-2147483648", INT32_MIN},
      {"-2147483633", -2147483633}, {"2147483648", std::nullopt}, {"", std::nullopt}, {"-", std::nullopt},
      {"+", std::nullopt}, {"+-1", std::nullopt}, {" 1", std::nullopt}, {"1 ", std::nullopt},
      {"1a", std::nullopt}, {"abc", std::nullopt}, {"$10", std::nullopt}, {"TRUE", std::nullopt},
  };
  for (const auto& c : cases) EXPECT_EQ(ParseWholeNumber(c.text), c.value) << c.text;
}

TEST(CopyDupsWords, WrittenAndRead) {
  const std::pair<int, const char*> written[] = {{0, "FALSE"}, {1, "TRUE"}, {2, "NEW"}, {3, "MARK"}, {7, "FALSE"}};
  for (const auto& [value, word] : written) EXPECT_STREQ(CopyDupsWord(value), word) << value;
  const std::pair<const char*, int> read[] = {{"FALSE", 0}, {"TRUE", 1}, {"NEW", 2}, {"MARK", 3}, {"new", 1}, {"", 1}};
  for (const auto& [word, value] : read) EXPECT_EQ(CopyDupsFromWord(word), value) << word;
}

TEST(LineReader, SplitsCrLfAndLfLinesAndGivesEmptyLinesPastTheEnd) {
  LineReader in("one\r\ntwo\nthree\r\n\r\nlast");
  EXPECT_EQ(in.RemainingLines(), 5u);
  const char* expected[] = {"one", "two", "three", "", "last"};
  for (const char* line : expected) {
    EXPECT_FALSE(in.AtEnd());
    EXPECT_EQ(in.Next(), line);
  }
  EXPECT_TRUE(in.AtEnd());
  EXPECT_EQ(in.RemainingLines(), 0u);
  EXPECT_EQ(in.Next(), "");
  EXPECT_EQ(in.LineNumber(), 6u);
}

}  // namespace
}  // namespace cvd
