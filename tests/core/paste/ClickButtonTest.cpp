// The button paste in virtual time: clipboard, target, keystrokes or the
// paste method's macro, used marks, and the repair of a lost connection.
#include <gtest/gtest.h>

#include "support/TempDir.h"

#include <stdexcept>

#include "core/app/Engine.h"
#include "support/FakeClipboard.h"
#include "support/FakeEventLoop.h"
#include "support/FakeTextMeasure.h"
#include "support/FakeWindows.h"
#include "support/KeyTrace.h"
#include "support/RecordingKeyboard.h"
#include "support/ScriptedUi.h"

namespace cvd {
namespace {

constexpr WindowId kEditor = 1;
constexpr WindowId kConsole = 2;
constexpr WindowId kOurs = 9;

class TitleFailingWindows : public testing::FakeWindows {
 public:
  std::string Title(WindowId w) override {
    if (fail) throw std::runtime_error("window gone");
    return FakeWindows::Title(w);
  }
  bool fail = false;
};

class ClickButtonTest : public ::testing::Test {
 protected:
  testing::TempDir dir;  // data folder of the engine
  ClickButtonTest() : engine(MakePorts(), Directories{"/nonexistent/", dir.Path(), dir.Path()}) {
    windows.windows[kEditor] = {"notes.txt - Editor", "gedit"};
    windows.windows[kConsole] = {"C:\\Windows\\system32\\cmd.exe", "wineconsole"};
    windows.windows[kOurs] = {"Corvinade", "corvinade", false, false, true};
    engine.FormCreate();
    Focus(kEditor);  // also past the start-up capture lock-out
  }
  Ports MakePorts() {
    Ports p;
    p.loop = &loop;
    p.ui = &ui;
    p.measure = &measure;
    p.clipboard = &clipboard;
    p.keyboard = &keyboard;
    p.windows = &windows;
    return p;
  }
  void Focus(WindowId w) {
    windows.foreground = w;
    loop.AdvanceBy(100);
  }
  TGroup& Group(int g = 1) { return engine.Table().Groups[g]; }
  // Pastes and returns the keys sent, with times from the click when asked.
  std::string Click(int group, int button, bool withTimes = false) {
    keyboard.events.clear();
    start = loop.NowMs();
    engine.ClickButton(group, button);
    auto events = keyboard.events;
    for (auto& e : events) e.time -= start;
    return testing::KeyTrace(events, withTimes);
  }

  testing::FakeEventLoop loop;
  testing::ScriptedUi ui;
  testing::FakeTextMeasure measure;
  testing::FakeClipboard clipboard;
  testing::RecordingKeyboard keyboard{loop};
  TitleFailingWindows windows;
  Engine engine;
  std::int64_t start = 0;
};

TEST_F(ClickButtonTest, APressDuringAPasteWaitsForItsEnd) {
  Group().Buttons[1].Text = "one";
  Group().Buttons[2].Text = "two";
  clipboard.written.clear();
  // The second press arrives while the first paste lets events through.
  loop.Post([this] { engine.ClickButton(1, 2); });
  const std::string keys = Click(1, 1, true);
  EXPECT_EQ(clipboard.written, (std::vector<std::string>{"one", "two"}));
  // The first paste's keystroke comes before the second text is written.
  EXPECT_EQ(keys,
            "+Control_L@150 +v@160 -v@170 -Control_L@180 "
            "+Control_L@340 +v@350 -v@360 -Control_L@370");
  EXPECT_FALSE(engine.Pasting());
  EXPECT_TRUE(Group().Buttons[1].Used);
  EXPECT_TRUE(Group().Buttons[2].Used);
}

TEST_F(ClickButtonTest, DefaultPasteWritesWaitsAndSendsCtrlV) {
  Group().Buttons[1].Text = "hello";
  bool pastingWhileKeysGo = false;
  auto probe = loop.CreateTimer(120, true, [&] { pastingWhileKeysGo = engine.Pasting(); });
  probe->Start();
  EXPECT_EQ(Click(1, 1, true), "+Control_L@150 +v@160 -v@170 -Control_L@180");
  EXPECT_EQ(loop.NowMs() - start, 190);
  EXPECT_EQ(clipboard.written, std::vector<std::string>{"hello"});
  EXPECT_TRUE(pastingWhileKeysGo);
  EXPECT_FALSE(engine.Pasting());
  EXPECT_TRUE(engine.ClipboardSeen());
  EXPECT_TRUE(windows.activated.empty());  // advanced tracking: the target keeps the focus
  EXPECT_TRUE(Group().Buttons[1].Used);
  EXPECT_EQ(ui.captionColors[1], clGray);
}

TEST_F(ClickButtonTest, PasteDelayAndShiftInsertFollowTheGroup) {
  Group().PasteDelay = 500;
  EXPECT_EQ(Click(1, 6, true), "+Control_L@550 +v@560 -v@570 -Control_L@580");
  Group().PasteDelay = 100;
  Group().PasteKeyMode = 1;
  EXPECT_EQ(Click(1, 6, true), "+Shift_L@150 +Insert*@160 -Insert*@170 -Shift_L@180");
}

TEST_F(ClickButtonTest, TheOwnClipboardWriteBecomesNoClip) {
  const std::string text = Group().Buttons[6].Text;
  Click(1, 6);
  loop.AdvanceBy(500);
  for (int b = 1; b <= Group().NumClipButtons; ++b) EXPECT_EQ(Group().Buttons[b].Text, "") << b;
  EXPECT_EQ(clipboard.content, text);
}

TEST_F(ClickButtonTest, PasteMethodsByTargetTitle) {
  const std::string console = "+Alt_L +space -space -Alt_L +e -e +p -p";
  const std::string ctrlV = "+Control_L +v -v -Control_L";
  struct Case {
    const char* title;
    std::string keys;
  } cases[] = {
      {"C:\\Windows\\system32\\cmd.exe", console},
      {"Administrator: Command Prompt", console},
      {"cmd.exe - cmd.exe", ctrlV},
      {"cmd.exe - notes", ctrlV},
      {"", ctrlV},
  };
  for (const Case& c : cases) {
    windows.windows[kConsole].title = c.title;
    Focus(kConsole);
    EXPECT_EQ(Click(1, 1), c.keys) << c.title;
  }
}

TEST_F(ClickButtonTest, PasteMethodTiming) {
  Focus(kConsole);
  EXPECT_EQ(Click(1, 1, true), "+Alt_L@250 +space@460 -space@470 -Alt_L@480 +e@600 -e@610 +p@620 -p@630");
  EXPECT_FALSE(engine.Pasting());
}

TEST_F(ClickButtonTest, ActivationOnlyWithoutAdvancedTracking) {
  engine.PasteKeys().push_back(PasteMethod{"Editor", pmAnywhere, "{Enter}", 0});
  // The user clicked in our own window; the target stays the editor.
  Focus(kOurs);
  ASSERT_EQ(engine.LastTarget(), kEditor);
  EXPECT_EQ(Click(1, 1), "+Control_L +v -v -Control_L");  // our own title matches nothing
  EXPECT_TRUE(windows.activated.empty());

  engine.GetSettings().AdvWinTrack = false;
  windows.foreground = kOurs;
  EXPECT_EQ(Click(1, 1), "+Return -Return");  // the title is read after the activation
  EXPECT_EQ(windows.activated, std::vector<WindowId>{kEditor});
}

TEST_F(ClickButtonTest, UsedMarksOnlyForClipButtons) {
  engine.Table().Groups.resize(3);
  engine.Table().MakeNewGroup(2, "Other", "/nonexistent/");
  struct Case {
    const char* name;
    int group;
    int button;
    bool trackUsed;
    bool used;
    bool grey;
  } cases[] = {
      {"clip button of the current group", 1, 3, true, true, true},
      {"without used tracking", 1, 3, false, true, false},
      {"permanent button", 1, 6, true, false, false},
      {"clip button of another group", 2, 2, true, true, false},
  };
  for (const Case& c : cases) {
    Group(c.group).Buttons[c.button].Used = false;
    Group(c.group).TrackUsed = c.trackUsed;
    ui.captionColors.clear();
    Click(c.group, c.button);
    EXPECT_EQ(Group(c.group).Buttons[c.button].Used, c.used) << c.name;
    EXPECT_EQ(ui.captionColors.count(c.button) > 0, c.grey) << c.name;
    if (c.grey) {
      EXPECT_EQ(ui.captionColors[c.button], clGray) << c.name;
    }
  }
}

TEST_F(ClickButtonTest, ALostNotificationIsRepairedAndMarksNothing) {
  clipboard.Unsubscribe();  // the connection broke without a word
  const int subscriptions = clipboard.subscriptions;
  EXPECT_EQ(Click(1, 2), "+Control_L +v -v -Control_L");
  EXPECT_FALSE(engine.ClipboardSeen());
  EXPECT_FALSE(Group().Buttons[2].Used);
  EXPECT_EQ(ui.captionColors.count(2), 0u);
  EXPECT_EQ(clipboard.subscriptions, subscriptions + 1);
  EXPECT_FALSE(engine.Pasting());
  // Copies are captured again.
  loop.AdvanceBy(100);
  clipboard.Copy("after the repair");
  loop.AdvanceBy(25);
  EXPECT_EQ(Group().Buttons[1].Text, "after the repair");
}

TEST_F(ClickButtonTest, AnEmptyTextStillPastes) {
  Group().Buttons[1].Text = "";
  EXPECT_EQ(Click(1, 1), "+Control_L +v -v -Control_L");
  EXPECT_EQ(clipboard.written, std::vector<std::string>{""});
}

TEST_F(ClickButtonTest, ButtonsOutsideTheTableDoNothing) {
  const std::pair<int, int> cases[] = {{0, 1}, {2, 1}, {-1, 1}, {1, 0}, {1, 7}, {1, -1}};
  for (const auto& [group, button] : cases) {
    EXPECT_EQ(Click(group, button), "") << group << "," << button;
    EXPECT_EQ(loop.NowMs(), start);
  }
  EXPECT_TRUE(clipboard.written.empty());
  EXPECT_FALSE(engine.Pasting());
}

TEST_F(ClickButtonTest, AFailingPortEndsThePasteWithTheFlagCleared) {
  windows.fail = true;
  EXPECT_NO_THROW(Click(1, 1));
  EXPECT_FALSE(engine.Pasting());
  windows.fail = false;
  EXPECT_EQ(Click(1, 1), "+Control_L +v -v -Control_L");
}

TEST_F(ClickButtonTest, ALeftPressPastesAnyPressSelects) {
  Group().Buttons[3].Text = "third";
  engine.ButtonMouseDown(3, MouseButton::Right);
  EXPECT_EQ(engine.Table().CurrentButton, 3);
  EXPECT_TRUE(clipboard.written.empty());
  engine.ButtonMouseDown(4, MouseButton::Left);
  EXPECT_EQ(engine.Table().CurrentButton, 4);
  EXPECT_EQ(clipboard.written, std::vector<std::string>{""});
  EXPECT_EQ(testing::KeyTrace(keyboard.events), "+Control_L +v -v -Control_L");
  EXPECT_FALSE(engine.Pasting());
}

TEST_F(ClickButtonTest, TestingAPasteMethod) {
  const PasteMethod method{"Editor", pmEnding, "x", 150};
  keyboard.events.clear();
  ASSERT_EQ(loop.NowMs(), 100);
  EXPECT_TRUE(engine.TestPasteMethod(method, "Text Editor"));
  EXPECT_EQ(clipboard.written, std::vector<std::string>{"Paste Test"});
  EXPECT_EQ(testing::KeyTrace(keyboard.events, true), "+x@250 -x@260");  // the method's delay after the write
  EXPECT_FALSE(engine.Pasting());
  EXPECT_TRUE(windows.activated.empty());
  EXPECT_TRUE(ui.messages.empty());

  // Even a macro that processes nothing lets the test text go by uncaptured.
  EXPECT_TRUE(engine.TestPasteMethod(PasteMethod{"Editor", pmAnywhere, "", 150}, "Editor"));
  loop.AdvanceBy(500);
  for (int b = 1; b <= Group().NumClipButtons; ++b) {
    EXPECT_EQ(Group().Buttons[b].Text, "") << b;
    EXPECT_FALSE(Group().Buttons[b].Used) << b;
  }

  keyboard.events.clear();
  EXPECT_FALSE(engine.TestPasteMethod(method, "Editor - notes"));
  ASSERT_EQ(ui.messages.size(), 1u);
  EXPECT_EQ(ui.messages[0].text, "Window title does not match");
  EXPECT_EQ(ui.messages[0].kind, MsgKind::Error);
  EXPECT_TRUE(keyboard.events.empty());
  EXPECT_EQ(clipboard.written.size(), 2u);
}

}  // namespace
}  // namespace cvd
