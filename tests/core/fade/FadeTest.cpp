// Idle fading, roll-up and hiding of the button window in virtual time.
#include <gtest/gtest.h>

#include "support/Harness.h"

namespace cvd {
namespace {

constexpr int kMinute = 60000;

class FadeTest : public ::testing::Test {
 protected:
  // Starts the program with these idle options and begins an idle period.
  void StartIdle(const std::string& minutes, const std::string& level = "128") {
    h.Start();
    h.state.settings.FadeTime = minutes;
    h.state.settings.FadeLevel = level;
    h.engine->WindowMouseDown();
  }
  bool Fading() { return h.engine->Fade().Fading(); }
  bool RolledUp() { return h.engine->Window().RolledUp(); }
  test::Harness h;
};

TEST_F(FadeTest, TheFadeLastsAboutTwoSecondsAtEveryLevel) {
  for (auto [level, steps, stepMs] :
       std::vector<std::tuple<int, int, int>>{{254, 1, 1000}, {10, 245, 8}, {128, 127, 15}}) {
    SCOPED_TRACE(level);
    StartIdle("1", std::to_string(level));
    h.loop.AdvanceBy(kMinute + steps * stepMs - 1);
    EXPECT_EQ(h.ui.opacity, 255 - (steps - 1));
    h.loop.AdvanceBy(1);
    EXPECT_EQ(h.ui.opacity, level);
    h.loop.AdvanceBy(10 * kMinute);  // faded: it stays there
    EXPECT_EQ(h.ui.opacity, level);
  }
}

TEST_F(FadeTest, HandEditedOptionsAreCheckedWhenRead) {
  // Minutes 0 never fade; other bad values give 5 minutes and level 128.
  using Case = std::tuple<const char*, const char*, int>;
  for (auto [minutes, level, idleMs] : std::vector<Case>{
           {"0", "128", 0}, {"61", "128", 5 * kMinute}, {"abc", "256", 5 * kMinute}, {"60", "9", 60 * kMinute}}) {
    SCOPED_TRACE(std::string(minutes) + "/" + level);
    StartIdle(minutes, level);
    h.loop.AdvanceBy(idleMs ? idleMs - 1 : 120 * kMinute);
    EXPECT_FALSE(Fading());
    if (idleMs) h.loop.AdvanceBy(1 + 3000);
    EXPECT_EQ(h.ui.opacity, idleMs ? 128 : 255);
  }
}

TEST_F(FadeTest, AnyUseMakesTheWindowOpaqueAtOnceAndStartsANewIdlePeriod) {
  for (auto use : {+[](Engine& e) { e.WindowMouseDown(); }, +[](Engine& e) { e.GroupListChange(0); },
                   +[](Engine& e) { e.ButtonMouseDown(6, MouseButton::Right); }}) {
    StartIdle("1", "100");
    h.loop.AdvanceBy(kMinute + 3000);
    use(*h.engine);
    EXPECT_EQ(h.ui.opacity, 255);
    h.loop.AdvanceBy(kMinute - 1);
    EXPECT_FALSE(Fading());
    h.loop.AdvanceBy(1);
    EXPECT_TRUE(Fading());
  }
}

TEST_F(FadeTest, MenuCommandsMakeTheWindowOpaqueAndStartANewIdlePeriod) {
  // The menu may stay open or ask a question for long: the command itself is the use.
  // The command and the button it is chosen on (1: a clip button, 6: a permanent one).
  for (auto [command, button] : std::vector<std::pair<int, int>>{{cmdClearAllClip, 1},
                                                                 {cmdMarkAllUnused, 1},
                                                                 {cmdNewButton, 6},
                                                                 {cmdEditButton, 6},
                                                                 {cmdDeleteButton, 1},
                                                                 {cmdDeleteButton, 6},
                                                                 {cmdMarkUsed, 1}}) {
    SCOPED_TRACE(std::to_string(command) + " on " + std::to_string(button));
    StartIdle("1", "100");
    h.Group().TrackUsed = true;
    h.state.table.CurrentButton = button;
    h.ui.Answer(MsgResult::Yes);
    h.loop.AdvanceBy(kMinute + 3000);
    ASSERT_EQ(h.ui.opacity, 100);
    h.engine->Menus().Choose(command);
    EXPECT_EQ(h.ui.opacity, 255);
    h.loop.AdvanceBy(kMinute - 1);
    EXPECT_FALSE(Fading());
    h.loop.AdvanceBy(1);
    EXPECT_TRUE(Fading());
  }
}

TEST_F(FadeTest, IdleRollUpAndHideRepeatUntilTheWindowIsUsed) {
  StartIdle("1");
  h.state.settings.FadeOutOption = false;
  h.state.settings.RollupOption = true;
  const Rect full = h.ui.frame;
  h.loop.AdvanceBy(2 * kMinute);
  EXPECT_EQ(h.ui.frame.height, h.Group().ButtonHeight);
  h.engine->HandleSystemCommand(scRollUp);  // the toggle follows the state: down
  EXPECT_EQ(h.ui.frame.height, full.height);

  h.state.settings.RollupOption = false;
  h.state.settings.MinimizeOption = true;
  h.loop.AdvanceBy(kMinute);
  EXPECT_FALSE(h.ui.visible);
  h.engine->CoolTrayIconClick();
  EXPECT_TRUE(h.ui.visible);
}

TEST_F(FadeTest, ANewClipLaysARolledUpWindowOutInFullUnlessRestoreIsOff) {
  StartIdle("5");
  const int fullHeight = h.ui.frame.height;
  h.engine->HandleSystemCommand(scRollUp);
  ASSERT_TRUE(RolledUp());
  h.engine->CloseButtonWindow();
  h.clipboard.Copy("new clip");
  h.loop.AdvanceBy(100);
  EXPECT_EQ(h.ui.frame.height, fullHeight);
  EXPECT_TRUE(h.ui.visible);

  h.state.settings.RestoreOnCopy = false;
  h.engine->CloseButtonWindow();
  h.loop.AdvanceBy(5 * kMinute + 3000);
  h.clipboard.Copy("another clip");
  h.loop.AdvanceBy(100);
  EXPECT_TRUE(Fading());
  EXPECT_FALSE(h.ui.visible);
}

}  // namespace
}  // namespace cvd
