#include "core/settings/ValueForms.h"

#include <gtest/gtest.h>

namespace cvd {
namespace {

TEST(ValueFormsTest, IntegersAreWholeDecimalNumbersThatFit32Bits) {
  const std::pair<const char*, std::optional<int>> cases[] = {
      {"-7", -7},
      {"+7", 7},
      {"2147483647", 2147483647},
      {"-2147483648", INT32_MIN},
      {"2147483648", {}},
      {"", {}},
      {"-", {}},
      {"12abc", {}},
      {"1.5", {}},
      {"$1F", {}},
      {"+-3", {}},
  };
  for (const auto& [text, value] : cases) EXPECT_EQ(ParseInteger(text), value) << text;
}

TEST(ValueFormsTest, FlagsAreNonZeroNumbers) {
  EXPECT_EQ(ParseFlag("0"), false);
  EXPECT_EQ(ParseFlag("-1"), true);
  EXPECT_EQ(ParseFlag("TRUE"), std::nullopt);
}

TEST(ValueFormsTest, TimeOfDayIsWrittenWithTwoDigitParts) {
  EXPECT_EQ(FormatTimeOfDay({7, 5, 9}), "07:05:09");
  EXPECT_EQ(ParseTimeOfDay(FormatTimeOfDay({23, 59, 58})), (TimeOfDay{23, 59, 58}));
}

TEST(ValueFormsTest, TimeOfDayReadsWhatEarlierVersionsWrote) {
  const std::pair<const char*, std::optional<TimeOfDay>> cases[] = {
      {"9:30", TimeOfDay{9, 30, 0}},
      {"09.30.15", TimeOfDay{9, 30, 15}},
      {"12:00:00 PM", TimeOfDay{12, 0, 0}},
      {"12:00:00 AM", TimeOfDay{0, 0, 0}},
      {"11:59 p.m.", TimeOfDay{23, 59, 0}},
      {"6:00:00AM", TimeOfDay{6, 0, 0}},
      {"24:00:00", {}},
      {"12:60", {}},
      {"13:00 PM", {}},
      {"0:00 AM", {}},
      {"12", {}},
      {"1:2:3:4", {}},
      {"12:00 XM", {}},
  };
  for (const auto& [text, time] : cases) EXPECT_EQ(ParseTimeOfDay(text), time) << text;
}

}  // namespace
}  // namespace cvd
