#include "core/settings/ValueForms.h"

#include <gtest/gtest.h>

namespace cvd {
namespace {

TEST(ValueFormsTest, IntegersAreWholeDecimalNumbersThatFit32Bits) {
  const struct {
    const char* text;
    std::optional<int> value;
  } cases[] = {
      {"0", 0},          {"42", 42},          {"-7", -7},        {"+7", 7},         {"2147483647", 2147483647},
      {"-2147483648", INT32_MIN},             {"2147483648", {}}, {"", {}},         {"+", {}},
      {"-", {}},         {"12abc", {}},       {"abc", {}},       {"1.5", {}},       {"$1F", {}},
      {"0x10", {}},      {"+-3", {}},         {"1 2", {}},
  };
  for (const auto& c : cases) EXPECT_EQ(ParseInteger(c.text), c.value) << c.text;
}

TEST(ValueFormsTest, FlagsAreNonZeroNumbers) {
  EXPECT_EQ(ParseFlag("1"), true);
  EXPECT_EQ(ParseFlag("0"), false);
  EXPECT_EQ(ParseFlag("-1"), true);
  EXPECT_EQ(ParseFlag("2"), true);
  EXPECT_EQ(ParseFlag("TRUE"), std::nullopt);
  EXPECT_EQ(ParseFlag("yes"), std::nullopt);
}

TEST(ValueFormsTest, TimeOfDayIsWrittenWithTwoDigitParts) {
  EXPECT_EQ(FormatTimeOfDay({12, 0, 0}), "12:00:00");
  EXPECT_EQ(FormatTimeOfDay({7, 5, 9}), "07:05:09");
  for (int h = 0; h < 24; ++h) {
    const TimeOfDay time{h, (h * 7) % 60, (h * 13) % 60};
    EXPECT_EQ(ParseTimeOfDay(FormatTimeOfDay(time)), time);
  }
}

TEST(ValueFormsTest, TimeOfDayReadsWhatEarlierVersionsWrote) {
  const struct {
    const char* text;
    std::optional<TimeOfDay> time;
  } cases[] = {
      {"12:00:00", TimeOfDay{12, 0, 0}}, {"9:30", TimeOfDay{9, 30, 0}}, {"09.30.15", TimeOfDay{9, 30, 15}},
      {"12:00:00 PM", TimeOfDay{12, 0, 0}}, {"12:00:00 AM", TimeOfDay{0, 0, 0}}, {"1:05:00 pm", TimeOfDay{13, 5, 0}},
      {"11:59 p.m.", TimeOfDay{23, 59, 0}}, {"6:00:00AM", TimeOfDay{6, 0, 0}}, {"23:59:59", TimeOfDay{23, 59, 59}},
      {"24:00:00", {}}, {"12:60", {}}, {"13:00 PM", {}}, {"0:00 AM", {}}, {"noon", {}}, {"12", {}}, {"12:", {}},
      {"1:2:3:4", {}}, {"", {}}, {"12:00 XM", {}}, {"123:00", {}},
  };
  for (const auto& c : cases) EXPECT_EQ(ParseTimeOfDay(c.text), c.time) << c.text;
}

}  // namespace
}  // namespace cvd
