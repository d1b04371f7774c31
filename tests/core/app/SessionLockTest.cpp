// The button window while the screen is locked.
#include <gtest/gtest.h>

#include "support/Harness.h"

namespace cvd {
namespace {

TEST(SessionLockTest, LockHidesAndUnlockShowsWhatWasShown) {
  // Notices: L lock, U unlock.
  using Case = std::tuple<const char*, bool, bool, const char*, bool>;
  for (auto [what, lockedAtStart, hideFirst, notices, visibleAfter] :
       std::vector<Case>{{"shown", false, false, "LU", true},
                         {"hidden", false, true, "LU", false},
                         {"a second lock notice", false, false, "LLU", true},
                         {"locked at start", true, false, "U", true}}) {
    SCOPED_TRACE(what);
    test::Harness h;
    h.shell.locked = lockedAtStart;
    h.Start();
    h.state.settings.FadeTime = "1";
    h.engine->HandleSystemCommand(scRollUp);
    h.loop.AdvanceBy(60000 + 3000);  // faded and rolled up
    if (hideFirst) h.engine->CloseButtonWindow();
    for (const char* n = notices; *n; ++n) h.shell.lockHandler(*n == 'L');
    EXPECT_EQ(h.ui.visible, visibleAfter);
    if (visibleAfter) {
      EXPECT_EQ(h.ui.opacity, 255);
      EXPECT_FALSE(h.engine->Window().RolledUp());
    }
  }
}

}  // namespace
}  // namespace cvd
