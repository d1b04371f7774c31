// Which MIME type of a clipboard offer is read, and our own offers.
#include "platform/wayland/TextTypes.h"

#include <gtest/gtest.h>

namespace cvd::wayland {
namespace {

TEST(TextTypesTest, UtfEightTextIsPreferredAndNothingButTextIsRead) {
  const struct {
    std::vector<std::string> offered;
    std::string chosen;
  } cases[] = {
      {{"text/html", "text/plain", "text/plain;charset=utf-8", "UTF8_STRING"}, "text/plain;charset=utf-8"},
      {{"STRING", "text/plain", "UTF8_STRING"}, "UTF8_STRING"},
      {{"TEXT", "text/plain"}, "text/plain"},
      {{"image/png", "text/html", "STRING", "TEXT", "text/plain;charset=iso-8859-1"}, ""},
      {{}, ""},
  };
  for (const auto& c : cases) EXPECT_EQ(ChooseTextType(c.offered), c.chosen) << c.offered.size();
}

TEST(TextTypesTest, OwnOffersCarryTheMarkerAndAReadableType) {
  const std::vector<std::string> ours = OfferedTextTypes();
  EXPECT_TRUE(OfferedByUs(ours));
  EXPECT_EQ(ChooseTextType(ours), "text/plain;charset=utf-8");
  EXPECT_FALSE(OfferedByUs({"text/plain;charset=utf-8", "application/x-corvinade-paste;pid=1"}));
}

}  // namespace
}  // namespace cvd::wayland
