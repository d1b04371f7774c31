#include "core/window/Caption.h"

#include <gtest/gtest.h>

#include "support/FakeTextMeasure.h"

namespace cvd {
namespace {

// 7 pixels a character; a 90-pixel button gives a limit of 75 pixels, which
// the 11th character reaches (77 >= 75).
TEST(MakeCaption, Table) {
  test::FakeTextMeasure measure(7);
  const std::pair<std::string, std::string> cases[] = {
      {"", "Empty"},
      {"   \t\r\n\r\n\r\n ", "(11 Characters)"},
      {"\r\n\r\n\r\n ", "(7 Characters)"},  // CR LF pairs count two each
      {"Hello", "Hello"},
      {"  \tHello\r\nWorld", "HelloWorld"},
      {"Fish & Chips", "Fish && Chi"},  // the ampersand shows as itself
      {"abcdefghijklmnopqrstuvwxyz", "abcdefghijk"},
      {"\x01\x02x", "x"},
      {"caf\xC3\xA9 au lait and more", "caf\xC3\xA9 au lai"},  // é counts one character
  };
  for (const auto& [text, caption] : cases) EXPECT_EQ(MakeCaption(text, measure, 75), caption) << text;
}

TEST(MakeCaption, NeverSplitsUtf8) {
  test::FakeTextMeasure measure(7);
  std::string text;
  for (int i = 0; i < 40; ++i) text += "\xE2\x82\xAC";
  const std::string caption = MakeCaption(text, measure, 75);
  EXPECT_EQ(caption.size(), 11u * 3);
  EXPECT_EQ(caption.substr(0, 3), "\xE2\x82\xAC");
}

TEST(MakeCaption, LongTextsMeasureOnlyTheCaption) {
  test::FakeTextMeasure measure(7);
  const std::string huge(5'000'000, 'x');
  EXPECT_EQ(MakeCaption(huge, measure, 75), std::string(11, 'x'));
  EXPECT_LE(measure.calls, 11);
}

}  // namespace
}  // namespace cvd
