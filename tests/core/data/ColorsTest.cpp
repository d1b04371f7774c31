#include "core/data/Colors.h"

#include <gtest/gtest.h>

#include <regex>
#include <set>

namespace cvd {
namespace {

TEST(Colors, NamesAndValuesRoundTrip) {
  const std::pair<const char*, std::uint32_t> cases[] = {
      {"clBlack", 0x000000},     {"clMaroon", 0x000080},     {"clRed", 0x0000FF},        {"clBlue", 0xFF0000},
      {"clFuchsia", 0xFF00FF},   {"clMoneyGreen", 0xC0DCC0}, {"clMedGray", 0xA4A0A0},    {"clScrollBar", 0x80000000},
      {"clBtnFace", 0x8000000F}, {"clInfoBk", 0x80000018},   {"clHotLight", 0x8000001A}, {"clMenuBar", 0x8000001E},
      {"clNone", 0x1FFFFFFF},    {"clDefault", 0x20000000},
  };
  for (const auto& [name, bits] : cases) {
    EXPECT_EQ(ColorToString(static_cast<TColor>(bits)), name);
    EXPECT_EQ(StringToColor(name), static_cast<TColor>(bits)) << name;
  }
}

TEST(Colors, UnnamedValuesUseEightHexDigits) {
  EXPECT_EQ(ColorToString(0x123456), "$00123456");
  EXPECT_EQ(ColorToString(SystemColor(25)), "$80000019");  // index 25 has no name
  EXPECT_EQ(StringToColor("$00123456"), 0x123456);
  EXPECT_EQ(StringToColor("$80000019"), SystemColor(25));
}

TEST(Colors, ParsesNumbersAndRejectsJunk) {
  EXPECT_EQ(StringToColor("clbtnface"), clBtnFace);  // names ignore letter case
  EXPECT_EQ(StringToColor("255"), 255);
  EXPECT_EQ(StringToColor("-2147483633"), clBtnFace);  // the data file's signed form
  EXPECT_EQ(StringToColor("0xFF"), 255);
  for (const char* bad : {"", "$", "clNothing", "12abc", "$-1", "$1FFFFFFFF", "99999999999"}) {
    EXPECT_FALSE(StringToColor(bad).has_value()) << bad;
  }
}

// The colour dialog and menu show words; the files keep their names.
TEST(Colors, EveryNamedColourReadsAsWordsAndNoTwoShareOne) {
  const std::regex words("[A-Z][a-z]+( [A-Z][a-z]+)*");
  std::set<std::string> seen;
  for (TColor color : NamedColors()) {
    if (color == clNone) continue;
    const std::string name = ColorDisplayName(color);
    EXPECT_TRUE(std::regex_match(name, words)) << ColorToString(color) << " reads " << name;
    EXPECT_TRUE(seen.insert(name).second) << name << " twice";
  }
  const std::pair<const char*, const char*> cases[] = {
      {"clBtnFace", "Button Face"},
      {"cl3DDkShadow", "Button Dark Shadow"},
      {"clGradientInactiveCaption", "Inactive Title Gradient"},
      {"clMoneyGreen", "Money Green"},
  };
  for (const auto& [stored, shown] : cases) EXPECT_EQ(ColorDisplayName(*StringToColor(stored)), shown);
  EXPECT_EQ(ColorDisplayName(SystemColor(25)), "$80000019");  // no name: the number
}

}  // namespace
}  // namespace cvd
