// At rest the program does nothing: the target follows notices from the window
// system, and the hint tick runs only while the pointer is over the window.
#include <gtest/gtest.h>

#include "support/Harness.h"

namespace cvd {
namespace {

class HoverTimerTest : public ::testing::Test {
 protected:
  HoverTimerTest() {
    h.windows.windows[1] = {"notes.txt - Editor", "gedit"};
    h.windows.windows[2] = {"Terminal", "xterm"};
    h.windows.foreground = 1;
    h.windows.notices = true;
    h.Start();
  }

  test::Harness h;
};

TEST_F(HoverTimerTest, TheTargetFollowsNoticesAndNothingTicksAtRest) {
  EXPECT_EQ(h.engine->Target().LastTargetTitle(), "notes.txt - Editor");  // the first look at start
  h.windows.foreground = 2;
  h.loop.AdvanceBy(1000);
  EXPECT_EQ(h.engine->Target().LastTargetTitle(), "notes.txt - Editor");  // nobody asks
  EXPECT_EQ(h.loop.RepeatingTimersWithin(100), 0);
  h.windows.Changed();
  h.windows.windows[2].title = "vim";
  h.windows.Changed();
  EXPECT_EQ(h.engine->Target().LastTargetTitle(), "vim");

  h.engine->FormDestroy();
  EXPECT_FALSE(h.windows.changeHandler);
  EXPECT_FALSE(h.ui.pointerHandler);
}

TEST_F(HoverTimerTest, HintsRunWhileThePointerIsOverTheWindow) {
  h.ui.MovePointer(6);
  h.loop.AdvanceBy(500);
  EXPECT_TRUE(h.ui.hintVisible);
  h.ui.MovePointer(-1);
  EXPECT_FALSE(h.ui.hintVisible);  // at once, without a further tick
  EXPECT_EQ(h.loop.RepeatingTimersWithin(100), 0);
  // Back over a button the hint waits its full delay again.
  h.ui.MovePointer(6);
  h.loop.AdvanceBy(400);
  EXPECT_EQ(h.ui.hintShows, 1);
  h.loop.AdvanceBy(100);
  EXPECT_EQ(h.ui.hintShows, 2);
}

}  // namespace
}  // namespace cvd
