// The button window while the screen is locked.
#include <gtest/gtest.h>

#include "support/Harness.h"

namespace cvd {
namespace {

TEST(SessionLockTest, LockHidesAndUnlockShowsWhatWasShown) {
  struct Case {
    const char* what;
    bool lockedAtStart;
    bool hideFirst;
    const char* notices;  // L = lock, U = unlock
    bool visibleAfter;
  };
  const Case cases[] = {
      {"shown", false, false, "LU", true},
      {"hidden", false, true, "LU", false},
      {"a second lock notice", false, false, "LLU", true},
      {"an unlock without a lock", false, true, "U", false},
      {"locked at start", true, false, "U", true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    testing::Harness h;
    h.shell.locked = c.lockedAtStart;
    h.Start();
    EXPECT_EQ(h.ui.visible, !c.lockedAtStart);
    if (c.hideFirst) h.engine->CloseButtonWindow();
    for (const char* n = c.notices; *n; ++n) {
      h.shell.lockHandler(*n == 'L');
      if (*n == 'L') {
        EXPECT_FALSE(h.ui.visible);
      }
    }
    EXPECT_EQ(h.ui.visible, c.visibleAfter);
  }
}

TEST(SessionLockTest, UnlockBringsTheWindowBackOpaqueAndRolledDown) {
  testing::Harness h;
  h.Start();
  h.state.settings.FadeTime = "1";
  h.engine->HandleSystemCommand(scRollUp);
  h.loop.AdvanceBy(60000 + 3000);
  ASSERT_LT(h.ui.opacity, 255);
  h.shell.lockHandler(true);
  h.shell.lockHandler(false);
  EXPECT_TRUE(h.ui.visible);
  EXPECT_EQ(h.ui.opacity, 255);
  EXPECT_FALSE(h.engine->Window().RolledUp());
}

}  // namespace
}  // namespace cvd
