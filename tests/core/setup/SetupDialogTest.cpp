// The setup dialog's logic on the running engine: the idle options, the
// rules of closing and how the dialog is opened.
#include "core/setup/SetupDialog.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "support/Harness.h"

namespace cvd::test {
namespace {

// The dialog as a user works it: `whileShowing` runs inside the modal loop.
struct FakeSetupView : SetupView {
  struct Request {
    std::optional<SetupPage> page;
    int row;
  };
  void ShowModal(std::optional<SetupPage> page, int row) override {
    shown.push_back({page, row});
    showing = true;
    if (whileShowing) whileShowing();
    showing = false;
  }
  bool Showing() override { return showing; }
  void TurnTo(SetupPage page, int row) override { turns.push_back({page, row}); }
  bool PagesCanClose() override { return pagesCanClose; }
  std::vector<Request> shown, turns;
  std::function<void()> whileShowing;
  bool showing = false, pagesCanClose = true;
};

class SetupDialogTest : public ::testing::Test {
 protected:
  SetupDialogTest() {
    Ports ports = h.AllPorts();
    ports.setupView = &view;
    h.Start(ports);
  }
  SetupDialog& Dialog() { return h.engine->Setup(); }
  Settings& S() { return h.state.settings; }

  FakeSetupView view;
  Harness h;
};

TEST_F(SetupDialogTest, TickingOneIdleActionClearsTheOthersAndOnlyFadeOutEnablesTheLevel) {
  struct Case {
    SetupOption ticked;  // starting from "Fade out" alone
    bool on;
    bool fade, rollup, minimize;
  } cases[] = {
      {SetupOption::RollUp, true, false, true, false},
      {SetupOption::Minimize, true, false, false, true},
      {SetupOption::FadeOut, false, false, false, false},
      {SetupOption::RollUp, false, true, false, false},  // unticking another leaves "Fade out"
  };
  for (const Case& c : cases) {
    S().FadeOutOption = true;
    S().RollupOption = S().MinimizeOption = false;
    Dialog().SetOption(c.ticked, c.on);
    EXPECT_EQ(Dialog().Option(SetupOption::FadeOut), c.fade);
    EXPECT_EQ(Dialog().Option(SetupOption::RollUp), c.rollup);
    EXPECT_EQ(Dialog().Option(SetupOption::Minimize), c.minimize);
    EXPECT_EQ(Dialog().FadeLevelEnabled(), c.fade);
  }
  Dialog().SetOption(SetupOption::AdvWinTrack, false);
  EXPECT_FALSE(h.ui.noActivate);
  Dialog().SetOption(SetupOption::AdvWinTrack, true);
  EXPECT_TRUE(h.ui.noActivate);
}

TEST_F(SetupDialogTest, InvalidFadeTextsBlockEveryCloseAndLeaveTheResetPending) {
  struct Case {
    const char* time;
    const char* level;
    bool closes;
  } cases[] = {
      {"0", "128", true}, {"60", "10", true}, {"5", "254", true},  {"61", "128", false}, {"abc", "128", false},
      {"", "128", false}, {"5", "9", false},  {"5", "255", false}, {"5", "12.5", false},
  };
  for (const Case& c : cases) {
    S().DontAskDelete = S().DontAskClearAll = true;
    Dialog().SetOption(SetupOption::DoNotAskAgain, true);
    Dialog().SetFadeText(FadeField::FadeTime, c.time);
    Dialog().SetFadeText(FadeField::FadeLevel, c.level);
    h.ui.messages.clear();
    EXPECT_EQ(Dialog().CloseQuery(), c.closes) << c.time << " " << c.level;
    EXPECT_EQ(h.ui.messages.empty() ? "" : h.ui.messages[0].text, c.closes ? "" : kFadeInvalidText);
    // The reset is done by a close that succeeds, and only then.
    EXPECT_EQ(S().DontAskDelete, !c.closes);
    EXPECT_EQ(S().DontAskClearAll, !c.closes);
    EXPECT_EQ(Dialog().Option(SetupOption::DoNotAskAgain), !c.closes);
  }
  // An invalid shortcut entry blocks as well; the shortcut page has told the user.
  Dialog().SetFadeText(FadeField::FadeLevel, "128");
  S().DontAskUnused = true;
  Dialog().SetOption(SetupOption::DoNotAskAgain, true);
  view.pagesCanClose = false;
  EXPECT_FALSE(Dialog().CloseQuery());
  EXPECT_TRUE(S().DontAskUnused);
  view.pagesCanClose = true;
  EXPECT_TRUE(Dialog().CloseQuery());
  EXPECT_FALSE(S().DontAskUnused || S().DontAskClearBut);
}

TEST_F(SetupDialogTest, ClosingStartsTheIdleTimerOnlyWhileTheWindowIsOpaque) {
  struct Case {
    bool fadedFirst;  // "Fade out" has run down to its level before the dialog opens
    bool hidden;      // after the idle time has passed again
  } cases[] = {{false, true}, {true, false}};
  for (const Case& c : cases) {
    Ports ports = h.AllPorts();
    ports.setupView = &view;
    h.Start(ports);
    S().FadeTime = "1";
    S().FadeOutOption = c.fadedFirst;
    S().RollupOption = S().MinimizeOption = false;
    h.engine->WindowMouseDown();  // a use of the window: a fresh idle period
    h.loop.AdvanceBy(c.fadedFirst ? 70000 : 1000);
    ASSERT_EQ(h.engine->Fade().Opacity() < 255, c.fadedFirst);
    // From the tray, which leaves the fade alone: the user picks "Minimize".
    view.whileShowing = [this] {
      Dialog().SetOption(SetupOption::Minimize, true);
      ASSERT_TRUE(Dialog().CloseQuery());
    };
    Dialog().MenuSetupClick();
    h.loop.AdvanceBy(61000);
    EXPECT_EQ(h.ui.visible, !c.hidden) << c.fadedFirst;
  }
}

TEST_F(SetupDialogTest, OpeningTurnsToThePageAndNeverNestsTheDialog) {
  h.windows.foreground = 42;
  h.loop.AdvanceBy(100);
  const auto activations = h.windows.activated.size();
  view.whileShowing = [this] {
    Dialog().OpenAtShortcutRow(23);  // the quick fix editor while the dialog shows
    h.engine->HandleSystemCommand(scSettings);
  };
  std::filesystem::remove(h.dir.Path() + "corvinade.ini");
  h.engine->HandleSystemCommand(scSettings);
  ASSERT_EQ(view.shown.size(), 1u);
  EXPECT_EQ(view.shown[0].page, SetupPage::Options);
  ASSERT_EQ(view.turns.size(), 2u);
  EXPECT_TRUE(view.turns[0].page == SetupPage::Shortcuts && view.turns[0].row == 23);
  EXPECT_EQ(view.turns[1].page, SetupPage::Options);
  // The caption menu's dialog saves when it closes, in the files' own names.
  EXPECT_TRUE(std::filesystem::exists(h.dir.Path() + "corvinade.ini"));
  EXPECT_TRUE(std::filesystem::exists(h.dir.Path() + "Network.ini"));
  // The keyboard goes back to the window the user worked in.
  ASSERT_GT(h.windows.activated.size(), activations);
  EXPECT_EQ(h.windows.activated.back(), 42u);

  view.whileShowing = {};
  std::filesystem::remove(h.dir.Path() + "corvinade.ini");
  Dialog().MenuSetupClick();
  Dialog().OpenAtShortcutRow(21);
  ASSERT_EQ(view.shown.size(), 3u);
  EXPECT_FALSE(view.shown[1].page.has_value());  // the tray: the page it was last on
  EXPECT_TRUE(view.shown[2].page == SetupPage::Shortcuts && view.shown[2].row == 21);
  EXPECT_FALSE(std::filesystem::exists(h.dir.Path() + "corvinade.ini"));
}

}  // namespace
}  // namespace cvd::test
