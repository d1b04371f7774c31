// The Wayland session's notice about the shortcut keys names the command
// for the compositor in use.
#include "platform/wayland/KeysNotice.h"

#include <gtest/gtest.h>

namespace cvd::wayland {
namespace {

TEST(KeysNoticeTest, NamesTheCommandForTheCompositorInUseOrAllOfThem) {
  const struct {
    const char* desktop;
    const char* command;
  } cases[] = {
      {"sway", "\"corvinade-tool keys sway\" prints"},
      {"Hyprland", "\"corvinade-tool keys hyprland\" prints"},
      {"wlroots:labwc", "\"corvinade-tool keys labwc\" prints"},
      {"river", "\"corvinade-tool keys river\" prints"},
      {"GNOME", "\"corvinade-tool keys sway\" (or hyprland, labwc, river) prints"},
      {"swayfx-like", "\"corvinade-tool keys sway\" (or hyprland, labwc, river) prints"},
      {"", "\"corvinade-tool keys sway\" (or hyprland, labwc, river) prints"},
  };
  for (const auto& c : cases) EXPECT_NE(KeysNotice(c.desktop).find(c.command), std::string::npos) << c.desktop;
}

}  // namespace
}  // namespace cvd::wayland
