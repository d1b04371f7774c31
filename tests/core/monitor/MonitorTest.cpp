// Groups tied to a program or a window title, and the commands that tie them.
#include <gtest/gtest.h>

#include "core/monitor/GroupMonitor.h"
#include "support/Harness.h"

namespace cvd {
namespace {

class MonitorTest : public ::testing::Test {
 protected:
  MonitorTest() {
    h.Start();
    for (const char* name : {"Shell", "Shell2", "Notes"}) h.state.table.AddGroup(name, "/nonexistent/");
    h.Group(2).MonitorApplication = "xterm";
    h.Group(3).MonitorApplication = "xterm";
    h.Group(4).MonitorWindow = "Notepad";
    h.windows.windows = {{10, {"bash", "xterm"}},        {11, {"a.txt - Notepad", "gedit"}},
                         {12, {"notepad help", "yelp"}}, {13, {"Mail", "mail"}},
                         {14, {"top", "xterm"}},         {99, {"Corvinade", "corvinade", false, true}}};
  }
  std::string Current() { return h.state.table.Current().Name; }
  const GroupMonitor& Monitor() { return h.engine->Monitor(); }
  // The group menu's entries, as the user chooses them.
  void Choose(MenuCommand command) { h.engine->Menus().Choose(command); }
  test::Harness h;
};

TEST_F(MonitorTest, ActivatedProgramsAndTitlesBringTheirGroup) {
  // Window to activate, its new title (or null), the group on screen afterwards.
  using Step = std::tuple<WindowId, const char*, const char*>;
  for (auto [focus, retitle, group] : std::vector<Step>{{10, nullptr, "Shell2"},  // the last match stays
                                                        {11, nullptr, "Notes"},
                                                        {12, nullptr, "Notes"},   // letter case counts
                                                        {14, nullptr, "Shell2"},  // a second window
                                                        {14, "Notepad - top", "Notes"}}) {
    if (retitle) h.windows.windows[focus].title = retitle;
    h.Focus(focus);
    EXPECT_EQ(Current(), group) << focus;
  }
  h.engine->GroupListChange(0);  // a manual switch holds while the window stays
  h.loop.AdvanceBy(1000);
  EXPECT_EQ(Current(), "Default");
}

TEST_F(MonitorTest, AHiddenWindowShowsAndTheActivatedProgramKeepsTheFocus) {
  h.engine->CloseButtonWindow();
  h.Focus(13);
  h.Focus(10);
  EXPECT_TRUE(h.ui.visible);
  EXPECT_EQ(h.windows.activated, std::vector<WindowId>{10});
  // The group already on screen, rolled up, rolls down.
  h.engine->GroupListChange(3);
  h.engine->HandleSystemCommand(scRollUp);
  h.Focus(11);
  EXPECT_FALSE(h.engine->Window().RolledUp());
}

TEST_F(MonitorTest, TyingWaitsForTheNextOtherWindow) {
  h.Focus(13);
  h.engine->GroupListChange(3);  // Notes
  h.ui.Answer(MsgResult::Ok);    // the notice
  Choose(cmdMonitorApplication);
  Choose(cmdMonitorWindow);                                                     // ignored while waiting
  for (WindowId w : {13, 99}) h.windows.foreground = w, h.loop.AdvanceBy(500);  // the one active before, our own
  ASSERT_TRUE(Monitor().Waiting());
  h.engine->GroupListChange(0);  // the wait keeps its group
  h.ui.Answer(MsgResult::Yes);
  h.windows.foreground = 10;
  h.loop.AdvanceBy(50);
  EXPECT_EQ(h.ui.messages.size(), 2u);
  EXPECT_EQ(h.Group(4).MonitorApplication, "xterm");

  h.engine->GroupListChange(3);
  h.ui.Answer(MsgResult::Ok);
  Choose(cmdMonitorWindow);
  h.ui.AnswerInput("help");
  h.windows.foreground = 12;
  h.loop.AdvanceBy(50);
  EXPECT_EQ(h.ui.inputQueries.back().substr(h.ui.inputQueries.back().rfind('|')), "|notepad help");
  EXPECT_EQ(h.Group(4).MonitorApplication, "");
  EXPECT_EQ(h.Group(4).MonitorWindow, "help");
}

TEST_F(MonitorTest, TheWaitEndsOnEscapeAndOnExit) {
  for (bool escape : {true, false}) {
    h.ui.Answer(MsgResult::Ok);
    Choose(cmdMonitorApplication);
    h.keyboard.held = {NamedKey::Escape};
    if (escape)
      h.loop.AdvanceBy(50);
    else
      h.engine->FormDestroy();
    h.keyboard.held.clear();
    EXPECT_FALSE(Monitor().Waiting());
  }
}

TEST_F(MonitorTest, CancelMonitoringAsksAndComplainsWithoutATie) {
  h.engine->GroupListChange(3);
  h.ui.Answer(MsgResult::Yes);
  Choose(cmdCancelMonitoring);
  EXPECT_EQ(h.Group(4).MonitorWindow, "");
  Choose(cmdCancelMonitoring);  // nothing to cancel: no question
  EXPECT_EQ(h.ui.messages.back().kind, MsgKind::Error);
}

TEST(GroupMonitorTest, NoSwitchWhileBusy) {
  test::Harness h;
  h.Start();
  h.state.table.AddGroup("Shell", "/nonexistent/");
  h.Group(2).MonitorApplication = "xterm";
  ButtonWindow window(h.ui, h.ui, h.measure, h.state.table);
  Fader fader(h.loop, h.ui, h.state.settings, window);
  TargetTracker tracker(h.windows);
  bool busy = true;
  std::vector<int> switches;
  GroupMonitor monitor(
      MonitorPorts{h.loop, h.ui, h.windows, h.keyboard, h.ui}, h.state.table, window, fader, tracker,
      MonitorHooks{.switchGroup = [&](int position) { switches.push_back(position); }, .busy = [&] { return busy; }});
  monitor.MonitorStep("xterm", "bash", true);
  busy = false;
  monitor.MonitorStep("xterm", "bash", true);
  EXPECT_EQ(switches, std::vector<int>{1});
}

}  // namespace
}  // namespace cvd
