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
    GroupTable& table = h.state.table;
    table.AddGroup("Shell", "/nonexistent/");
    table.AddGroup("Shell2", "/nonexistent/");
    table.AddGroup("Notes", "/nonexistent/");
    h.Group(2).MonitorApplication = "xterm";
    h.Group(3).MonitorApplication = "xterm";
    h.Group(4).MonitorWindow = "Notepad";
    h.windows.windows[10] = {"bash", "xterm"};
    h.windows.windows[11] = {"a.txt - Notepad", "gedit"};
    h.windows.windows[12] = {"notepad help", "yelp"};
    h.windows.windows[13] = {"Mail", "mail"};
    h.windows.windows[14] = {"top", "xterm"};
    h.windows.windows[99] = {"Corvinade", "corvinade", false, false, true};
  }
  std::string Current() { return h.state.table.Current().Name; }
  GroupMonitor& Monitor() { return h.engine->Monitor(); }
  std::string LastMessage() { return h.ui.messages.empty() ? "" : h.ui.messages.back().text; }
  testing::Harness h;
};

TEST_F(MonitorTest, ActivatedProgramsAndTitlesBringTheirGroup) {
  struct Step {
    const char* what;
    WindowId focus;
    const char* retitle;  // new title of the focused window, or null
    const char* group;    // current group afterwards
  };
  const Step steps[] = {
      {"the last of two matching groups stays", 10, nullptr, "Shell2"},
      {"a title containing the text", 11, nullptr, "Notes"},
      {"letter case counts", 12, nullptr, "Notes"},
      {"another program", 13, nullptr, "Notes"},
      {"a second window of the same program", 14, nullptr, "Shell2"},
      {"a title changed by typing", 14, "Notepad - top", "Notes"},
  };
  for (const Step& s : steps) {
    SCOPED_TRACE(s.what);
    if (s.retitle) h.windows.windows[s.focus].title = s.retitle;
    h.Focus(s.focus);
    EXPECT_EQ(Current(), s.group);
  }
  // A manual switch holds while the same window stays active.
  h.engine->GroupListChange(0);
  h.loop.AdvanceBy(1000);
  EXPECT_EQ(Current(), "Default");
}

TEST_F(MonitorTest, AHiddenWindowShowsAndTheActivatedProgramKeepsTheFocus) {
  h.Focus(10);
  ASSERT_EQ(Current(), "Shell2");
  EXPECT_TRUE(h.windows.activated.empty());  // shown already: nothing to give back

  h.engine->CloseButtonWindow();
  h.Focus(13);
  h.Focus(10);
  EXPECT_TRUE(h.ui.visible);
  EXPECT_EQ(h.windows.activated, std::vector<WindowId>{10});
  EXPECT_EQ(h.windows.foreground, 10u);

  // The group already on screen, rolled up, rolls down.
  h.engine->GroupListChange(3);
  h.engine->HandleSystemCommand(scRollUp);
  ASSERT_TRUE(h.engine->Window().RolledUp());
  h.Focus(11);
  EXPECT_EQ(Current(), "Notes");
  EXPECT_FALSE(h.engine->Window().RolledUp());
}

TEST_F(MonitorTest, TyingWaitsForTheNextOtherWindow) {
  h.Focus(13);
  struct Case {
    const char* what;
    void (GroupMonitor::*command)();
    WindowId pick;
    MsgResult answer;
    const char* input;  // edited title for a window tie
    const char* application;
    const char* window;
  };
  const Case cases[] = {
      {"program, Yes", &GroupMonitor::MenuMonitorApplicationClick, 10, MsgResult::Yes, nullptr, "xterm", ""},
      {"program, No", &GroupMonitor::MenuMonitorApplicationClick, 11, MsgResult::No, nullptr, "xterm", ""},
      {"window, edited", &GroupMonitor::MenuMonitorWindowClick, 12, MsgResult::Ok, "help", "", "help"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    h.engine->GroupListChange(3);
    h.ui.Answer(MsgResult::Ok);  // the notice
    (Monitor().*c.command)();
    ASSERT_TRUE(Monitor().Waiting());
    // Our own windows and the window that was active do not count.
    for (WindowId w : {WindowId{13}, WindowId{99}}) {
      h.windows.foreground = w;
      h.loop.AdvanceBy(500);
      EXPECT_TRUE(Monitor().Waiting());
    }
    if (c.input) {
      h.ui.AnswerInput(c.input);
    } else {
      h.ui.Answer(c.answer);
    }
    h.windows.foreground = c.pick;
    h.loop.AdvanceBy(50);
    EXPECT_FALSE(Monitor().Waiting());
    EXPECT_EQ(h.Group(4).MonitorApplication, c.application);
    EXPECT_EQ(h.Group(4).MonitorWindow, c.window);
    h.windows.foreground = 13;
  }
  EXPECT_EQ(h.ui.messages[1].text, "Are you sure you want to associate the \"Notes\"\ngroup with the \"xterm\" application?");
  EXPECT_EQ(h.ui.inputQueries.back(), "Confirm window association|Associate Notes group with window title:|notepad help");
  EXPECT_NE(h.ui.messages.back().text.find("currently associated with the \"xterm\" application."), std::string::npos);
  EXPECT_TRUE(h.ui.AllAnswersUsed());
}

TEST_F(MonitorTest, TheWaitStartsOnceEndsOnEscapeAndKeepsItsGroup) {
  h.Focus(13);
  h.ui.Answer(MsgResult::Ok);
  Monitor().MenuMonitorApplicationClick();
  Monitor().MenuMonitorWindowClick();  // ignored: no second notice
  EXPECT_EQ(h.ui.messages.size(), 1u);
  h.keyboard.held.push_back(vk::Escape);
  h.loop.AdvanceBy(50);
  h.keyboard.held.clear();
  EXPECT_FALSE(Monitor().Waiting());
  h.Focus(10);
  EXPECT_EQ(h.Group(1).MonitorApplication, "");

  // The group is remembered by name: switching groups meanwhile changes nothing.
  h.engine->GroupListChange(0);
  h.ui.Answer(MsgResult::Ok);
  Monitor().MenuMonitorApplicationClick();
  h.engine->GroupListChange(1);
  h.ui.Answer(MsgResult::Yes);
  h.Focus(13);
  EXPECT_EQ(h.Group(1).MonitorApplication, "mail");
  EXPECT_EQ(h.Group(2).MonitorApplication, "xterm");

  // Exit ends a wait.
  h.ui.Answer(MsgResult::Ok);
  Monitor().MenuMonitorApplicationClick();
  h.engine->FormDestroy();
  EXPECT_FALSE(Monitor().Waiting());
}

TEST_F(MonitorTest, CancelMonitoringAsksPerTieAndComplainsWithoutOne) {
  struct Case {
    int group;
    MsgResult answer;
    const char* message;
    const char* application;
    const char* window;
  };
  h.Group(3).MonitorApplication = "";
  h.Group(3).MonitorWindow = "Mail";
  const Case cases[] = {
      {4, MsgResult::No, "This group is currently associated with the \"Notepad\" window.\n\nDo you want to remove the association?", "", "Notepad"},
      {2, MsgResult::Yes, "This group is currently associated with the \"xterm\" application.\n\nDo you want to remove the association?", "", ""},
      {3, MsgResult::Yes, "This group is currently associated with the \"Mail\" window.\n\nDo you want to remove the association?", "", ""},
      {1, MsgResult::Ok, "This group is currently not monitoring an application or window.", "", ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.group);
    h.engine->GroupListChange(c.group - 1);
    if (c.answer != MsgResult::Ok) h.ui.Answer(c.answer);
    Monitor().MenuCancelMonitoringClick();
    EXPECT_EQ(LastMessage(), c.message);
    EXPECT_EQ(h.Group(c.group).MonitorApplication, c.application);
    EXPECT_EQ(h.Group(c.group).MonitorWindow, c.window);
  }
}

TEST(GroupMonitorTest, NoSwitchWhileBusy) {
  testing::Harness h;
  h.Start();
  h.state.table.AddGroup("Shell", "/nonexistent/");
  h.Group(2).MonitorApplication = "xterm";
  h.windows.windows[10] = {"bash", "xterm"};
  ButtonWindow window(h.ui, h.measure, h.state.table);
  Fader fader(h.loop, h.ui, h.state.settings, window);
  TargetTracker tracker(h.windows);
  bool busy = true;
  std::vector<int> switches;
  GroupMonitor monitor(MonitorPorts{h.loop, h.ui, h.windows, h.keyboard}, h.state.table, window, fader, tracker,
                       MonitorHooks{[&](int position) { switches.push_back(position); }, [&] { return busy; }});
  monitor.MonitorStep("xterm", "bash", true);
  EXPECT_TRUE(switches.empty());
  busy = false;
  monitor.MonitorStep("xterm", "bash", true);
  EXPECT_EQ(switches, std::vector<int>{1});
}

}  // namespace
}  // namespace cvd
