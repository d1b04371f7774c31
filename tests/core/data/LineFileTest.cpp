#include "core/data/LineFile.h"

#include <gtest/gtest.h>

namespace cvd {
namespace {

TEST(PackText, LineBreaksAndTabsBecomeSingleBytes) {
  const std::pair<std::string, std::string> cases[] = {
      {"a\r\nb",
       "a\xFF"
       "b"},
      {"a\tb",
       "a\xFE"
       "b"},
      {"\r\n\r\n", "\xFF\xFF"},
      {"a\rb", "a\rb"},
      {"a\r", "a\r"},
      {"\r\r\n", "\r\xFF"},  // a lone CR keeps the next character
      {"a\nb", "a\nb"},
      {"caf\xC3\xA9", "caf\xC3\xA9"},
  };
  for (const auto& [text, packed] : cases) {
    EXPECT_EQ(PackText(text), packed) << text;
    EXPECT_EQ(UnpackText(packed), text) << text;
    EXPECT_EQ(UnpackText(std::string(packed)), text) << text;  // reusing the storage
  }
  // A stored 0xFF byte can only come back as a line break.
  EXPECT_EQ(UnpackText(PackText("x\xFFy")), "x\r\ny");
}

TEST(ParseWholeNumber, AcceptsOnlyWholeDecimalNumbersInRange) {
  const std::pair<const char*, std::optional<std::int32_t>> cases[] = {
      {"-5", -5},
      {"+7", 7},
      {"2147483647", 2147483647},
      {"-2147483648", INT32_MIN},
      {"2147483648", {}},
      {"", {}},
      {"-", {}},
      {"+-1", {}},
      {" 1", {}},
      {"1 ", {}},
      {"1a", {}},
      {"$10", {}},
  };
  for (const auto& [text, value] : cases) EXPECT_EQ(ParseWholeNumber(text), value) << text;
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
  for (const char* line : {"one", "two", "three", "", "last"}) EXPECT_EQ(in.Next(), line);
  EXPECT_TRUE(in.AtEnd());
  EXPECT_EQ(in.Next(), "");
  EXPECT_EQ(in.LineNumber(), 6u);
}

}  // namespace
}  // namespace cvd
