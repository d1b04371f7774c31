// Shortcuts in the desktop portal's trigger form, both ways.
#include "core/shortcuts/ShortcutTrigger.h"

#include <gtest/gtest.h>

#include "core/shortcuts/ShortcutTable.h"

namespace cvd {
namespace {

TEST(ShortcutTriggerTest, ShortcutsAndTheirTriggersGoBothWays) {
  const struct {
    Shortcut shortcut;
    const char* trigger;
  } cases[] = {
      {{.alt = true, .ctrl = true, .character = 'V'}, "CTRL+ALT+v"},
      {{.shift = true, .super = true, .character = '7'}, "SHIFT+LOGO+7"},
      {{.ctrl = true, .functionKey = 12}, "CTRL+F12"},
      {{.functionKey = 1}, "F1"},
      {{.alt = true, .ctrl = true, .shift = true, .super = true, .character = 'Z'}, "CTRL+ALT+SHIFT+LOGO+z"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(TriggerText(c.shortcut), c.trigger);
    EXPECT_EQ(ShortcutOfTrigger(c.trigger), c.shortcut) << c.trigger;
  }
  // Read back in any case and order, as desktops write them.
  EXPECT_EQ(ShortcutOfTrigger("alt+Ctrl+V"), (Shortcut{.alt = true, .ctrl = true, .character = 'V'}));
  EXPECT_EQ(TriggerText(Shortcut{.ctrl = true}), "");
  for (const char* bad : {"", "CTRL+", "CTRL+CTRL+v", "HYPER+v", "CTRL+Return", "F13", "F0", "F01", "ctrl+vv", "+v"})
    EXPECT_FALSE(ShortcutOfTrigger(bad)) << bad;
}

TEST(ShortcutTriggerTest, TheDesktopIsToldEachFunctionByItsName) {
  EXPECT_EQ(ShortcutDescription(hkiPasteActive), "Paste active button");
  EXPECT_EQ(ShortcutDescription(kQuickFixHotKeyBase + 2), "Quick fix 3");
}

}  // namespace
}  // namespace cvd
