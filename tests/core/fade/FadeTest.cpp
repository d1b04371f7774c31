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
  void Options(bool fade, bool rollUp, bool minimize) {
    h.state.settings.FadeOutOption = fade;
    h.state.settings.RollupOption = rollUp;
    h.state.settings.MinimizeOption = minimize;
  }
  bool Fading() { return h.engine->Fade().Fading(); }
  testing::Harness h;
};

TEST_F(FadeTest, TheFadeLastsAboutTwoSecondsAtEveryLevel) {
  struct Case {
    const char* level;
    int steps;
    int stepMs;
  };
  for (const Case& c : {Case{"254", 1, 1000}, Case{"10", 245, 8}, Case{"128", 127, 15}}) {
    SCOPED_TRACE(c.level);
    StartIdle("1", c.level);
    h.loop.AdvanceBy(kMinute);
    EXPECT_TRUE(Fading());
    EXPECT_EQ(h.ui.opacity, 255);
    h.loop.AdvanceBy(c.steps * c.stepMs - 1);
    EXPECT_EQ(h.ui.opacity, 255 - (c.steps - 1));
    h.loop.AdvanceBy(1);
    EXPECT_EQ(h.ui.opacity, std::stoi(c.level));
    // Faded: it stays there.
    h.loop.AdvanceBy(10 * kMinute);
    EXPECT_EQ(h.ui.opacity, std::stoi(c.level));
    EXPECT_TRUE(Fading());
  }
}

TEST_F(FadeTest, HandEditedOptionsAreCheckedWhenRead) {
  struct Case {
    const char* minutes;
    const char* level;
    int idleMs;  // 0: nothing ever happens
    int faded;
  };
  for (const Case& c : {Case{"0", "128", 0, 255}, Case{"61", "128", 5 * kMinute, 128},
                        Case{"abc", "256", 5 * kMinute, 128}, Case{"2", "0", 2 * kMinute, 128},
                        Case{"60", "9", 60 * kMinute, 128}}) {
    SCOPED_TRACE(std::string(c.minutes) + "/" + c.level);
    StartIdle(c.minutes, c.level);
    if (c.idleMs == 0) {
      h.loop.AdvanceBy(120 * kMinute);
      EXPECT_FALSE(Fading());
      EXPECT_EQ(h.ui.opacity, 255);
      continue;
    }
    h.loop.AdvanceBy(c.idleMs - 1);
    EXPECT_FALSE(Fading());
    h.loop.AdvanceBy(1 + 3000);
    EXPECT_EQ(h.ui.opacity, c.faded);
  }
}

TEST_F(FadeTest, AnyUseMakesTheWindowOpaqueAtOnceAndStartsANewIdlePeriod) {
  struct Case {
    const char* use;
    void (*act)(testing::Harness&);
  };
  const Case cases[] = {
      {"press on the window", [](testing::Harness& h) { h.engine->WindowMouseDown(); }},
      {"press on a button", [](testing::Harness& h) { h.engine->ButtonMouseDown(6, MouseButton::Right); }},
      {"group switch", [](testing::Harness& h) { h.engine->GroupListChange(0); }},
      {"menu command", [](testing::Harness& h) { h.engine->HandleSystemCommand(scSearch); }},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.use);
    StartIdle("1", "100");
    h.loop.AdvanceBy(kMinute + 3000);
    ASSERT_EQ(h.ui.opacity, 100);
    c.act(h);
    EXPECT_EQ(h.ui.opacity, 255);
    EXPECT_FALSE(Fading());
    h.loop.AdvanceBy(kMinute - 1);
    EXPECT_FALSE(Fading());
    h.loop.AdvanceBy(1);
    EXPECT_TRUE(Fading());
  }
}

TEST_F(FadeTest, IdleRollUpAndHideRepeatUntilTheWindowIsUsed) {
  StartIdle("1");
  Options(false, true, false);
  h.engine->WindowMouseDown();
  const int fullHeight = h.ui.frame.height;
  h.loop.AdvanceBy(kMinute);
  EXPECT_TRUE(h.engine->Window().RolledUp());
  EXPECT_EQ(h.ui.frame.height, h.Group().ButtonHeight);
  EXPECT_EQ(h.ui.frame.width, h.Group().ButtonWidth);
  EXPECT_EQ(h.ui.opacity, 255);
  // The roll-up command follows the state: it rolls the window down.
  h.engine->HandleSystemCommand(scRollUp);
  EXPECT_FALSE(h.engine->Window().RolledUp());
  EXPECT_EQ(h.ui.frame.height, fullHeight);

  Options(false, false, true);
  h.engine->WindowMouseDown();
  h.loop.AdvanceBy(kMinute);
  EXPECT_FALSE(h.ui.visible);
  // The tray icon brings it back, opaque and rolled down.
  h.engine->CoolTrayIconClick();
  EXPECT_TRUE(h.ui.visible);
}

TEST_F(FadeTest, RollUpTogglesAndANewClipLaysTheWindowOutInFull) {
  StartIdle("5");
  const int fullHeight = h.ui.frame.height;
  h.engine->HandleSystemCommand(scRollUp);
  ASSERT_TRUE(h.engine->Window().RolledUp());
  ASSERT_EQ(h.ui.frame.height, h.Group().ButtonHeight);
  h.engine->CloseButtonWindow();
  h.clipboard.Copy("new clip");
  h.loop.AdvanceBy(100);
  EXPECT_EQ(h.Clip(1), "new clip");
  EXPECT_FALSE(h.engine->Window().RolledUp());
  EXPECT_EQ(h.ui.frame.height, fullHeight);
  EXPECT_TRUE(h.ui.visible);

  // Without "Restore window on clipboard activity" a faded window stays faded.
  h.state.settings.RestoreOnCopy = false;
  h.engine->CloseButtonWindow();
  h.loop.AdvanceBy(5 * kMinute + 3000);
  ASSERT_TRUE(Fading());
  h.clipboard.Copy("another clip");
  h.loop.AdvanceBy(100);
  EXPECT_EQ(h.Clip(1), "another clip");
  EXPECT_TRUE(Fading());
  EXPECT_FALSE(h.ui.visible);
}

TEST_F(FadeTest, AlreadyRunningNoticeRollsDownAndShows) {
  StartIdle("5");
  h.engine->HandleSystemCommand(scRollUp);
  h.engine->CloseButtonWindow();
  h.engine->HandleSystemCommand(scAlreadyRunning);
  EXPECT_TRUE(h.ui.visible);
  EXPECT_FALSE(h.engine->Window().RolledUp());
  EXPECT_EQ(h.ui.balloons.back(), std::string("Corvinade: ") + kAlreadyRunningText);
}

}  // namespace
}  // namespace cvd
