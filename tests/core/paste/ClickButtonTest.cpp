// The button paste in virtual time: clipboard, target, keystrokes or macro, used marks.
#include <gtest/gtest.h>

#include "support/Harness.h"
#include "support/KeyTrace.h"

namespace cvd {
namespace {

constexpr WindowId kEditor = 1;
constexpr WindowId kEmacs = 2;
constexpr WindowId kOurs = 9;

class ClickButtonTest : public ::testing::Test {
 protected:
  ClickButtonTest() {
    h.windows.windows[kEditor] = {"notes.txt - Editor", "gedit"};
    h.windows.windows[kEmacs] = {"notes.txt - GNU Emacs at build7", "Emacs"};
    h.windows.windows[kOurs] = {"Corvinade", "corvinade", false, true};
    h.windows.foreground = kEditor;
    h.Start();
  }
  TGroup& Group(int g = 1) { return h.Group(g); }
  bool Pasting() { return h.engine->Paste().Pasting(); }
  // Pastes and returns the keys sent, with times from the click when asked.
  std::string Click(int group, int button, bool withTimes = false) {
    h.keyboard.events.clear();
    start = h.loop.NowMs();
    h.engine->Paste().ClickButton(group, button);
    auto events = h.keyboard.events;
    for (auto& e : events) e.time -= start;
    return test::KeyTrace(events, withTimes);
  }

  test::Harness h;
  std::int64_t start = 0;
};

TEST_F(ClickButtonTest, APressDuringAPasteWaitsForItsEnd) {
  Group().Buttons.SetText(1, "one");
  Group().Buttons.SetText(2, "two");
  h.clipboard.written.clear();
  // The second press arrives while the first paste lets events through.
  h.loop.Post([this] { h.engine->Paste().ClickButton(1, 2); });
  const std::string keys = Click(1, 1, true);
  EXPECT_EQ(h.clipboard.written, (std::vector<std::string>{"one", "two"}));
  // The first paste's keystroke comes before the second text is written.
  EXPECT_EQ(keys,
            "+Control_L@150 +v@160 -v@170 -Control_L@180 "
            "+Control_L@340 +v@350 -v@360 -Control_L@370");
  EXPECT_TRUE(Group().Buttons[1].Used && Group().Buttons[2].Used);
}

TEST_F(ClickButtonTest, DefaultPasteWritesWaitsAndSendsCtrlV) {
  Group().Buttons.SetText(1, "hello");
  bool pastingWhileKeysGo = false;
  auto probe = h.loop.CreateTimer(120, true, [&] { pastingWhileKeysGo = Pasting(); });
  probe->Start();
  EXPECT_EQ(Click(1, 1, true), "+Control_L@150 +v@160 -v@170 -Control_L@180");
  EXPECT_EQ(h.clipboard.written, std::vector<std::string>{"hello"});
  EXPECT_TRUE(pastingWhileKeysGo);
  EXPECT_FALSE(Pasting());
  EXPECT_TRUE(h.windows.activated.empty());  // advanced tracking: the target keeps the focus
}

// Without notices from the window system the target is asked for every 100 ms (h.Focus).
TEST_F(ClickButtonTest, PasteDelayShiftInsertAndMacroTiming) {
  Group().PasteDelay = 500;
  EXPECT_EQ(Click(1, 6, true), "+Control_L@550 +v@560 -v@570 -Control_L@580");
  Group().PasteDelay = 100;
  Group().PasteKeyMode = 1;
  EXPECT_EQ(Click(1, 6, true), "+Shift_L@150 +Insert*@160 -Insert*@170 -Shift_L@180");
  h.Focus(kEmacs);
  EXPECT_EQ(Click(1, 1, true), "+Control_L@200 +y@210 -y@220 -Control_L@230");
}

TEST_F(ClickButtonTest, TheOwnClipboardWriteBecomesNoClip) {
  const std::string text = Group().Buttons[6].Text;
  Click(1, 6);
  h.loop.AdvanceBy(500);
  for (int b = 1; b <= Group().NumClipButtons; ++b) EXPECT_EQ(Group().Buttons[b].Text, "") << b;
  EXPECT_EQ(h.clipboard.content, text);
}

TEST_F(ClickButtonTest, ActivationOnlyWithoutAdvancedTracking) {
  h.state.settings.PasteKeys.push_back(PasteMethod{"Editor", pmAnywhere, "{Enter}", 0});
  // The user clicked in our own window; the target stays the editor.
  h.Focus(kOurs);
  EXPECT_EQ(Click(1, 1), "+Control_L +v -v -Control_L");  // our own title matches nothing
  EXPECT_TRUE(h.windows.activated.empty());

  h.state.settings.AdvWinTrack = false;
  h.windows.foreground = kOurs;
  EXPECT_EQ(Click(1, 1), "+Return -Return");  // the title is read after the activation
  EXPECT_EQ(h.windows.activated, std::vector<WindowId>{kEditor});
}

TEST_F(ClickButtonTest, UsedMarksOnlyForClipButtons) {
  h.state.table.AddGroup("Other", "/nonexistent/");
  const std::tuple<const char*, int, int, bool, bool, bool> cases[] = {
      // group, button, track; used, grey
      {"clip button of the current group", 1, 3, true, true, true},
      {"without used tracking", 1, 3, false, true, false},
      {"permanent button", 1, 6, true, false, false},
      {"clip button of another group", 2, 2, true, true, false},
  };
  for (const auto& [name, group, button, trackUsed, used, grey] : cases) {
    Group(group).Buttons.SetUsed(button, false);
    Group(group).TrackUsed = trackUsed;
    h.ui.captionColors.clear();
    Click(group, button);
    EXPECT_EQ(Group(group).Buttons[button].Used, used) << name;
    EXPECT_EQ(h.ui.captionColors.count(button) && h.ui.captionColors[button] == clGray, grey) << name;
  }
}

TEST_F(ClickButtonTest, ALostNotificationIsRepairedAndMarksNothing) {
  h.clipboard.Unsubscribe();  // the connection broke without a word
  EXPECT_EQ(Click(1, 2), "+Control_L +v -v -Control_L");
  EXPECT_FALSE(Group().Buttons[2].Used);
  h.loop.AdvanceBy(100);  // copies are captured again
  h.clipboard.Copy("after the repair");
  h.loop.AdvanceBy(25);
  EXPECT_EQ(Group().Buttons[1].Text, "after the repair");
}

TEST_F(ClickButtonTest, ButtonsOutsideTheTableDoNothing) {
  const std::pair<int, int> cases[] = {{0, 1}, {2, 1}, {-1, 1}, {1, 0}, {1, 7}, {1, -1}};
  for (const auto& [group, button] : cases) EXPECT_EQ(Click(group, button), "") << group << "," << button;
  EXPECT_TRUE(h.clipboard.written.empty());
}

TEST_F(ClickButtonTest, AFailingPortEndsThePasteWithTheFlagCleared) {
  h.windows.titleFails = true;
  EXPECT_NO_THROW(Click(1, 1));
  EXPECT_FALSE(Pasting());
  h.windows.titleFails = false;
  EXPECT_EQ(Click(1, 1), "+Control_L +v -v -Control_L");
}

TEST_F(ClickButtonTest, ALeftPressPastesAnyPressSelects) {
  Group().Buttons.SetText(3, "third");
  h.engine->ButtonMouseDown(3, MouseButton::Right);
  EXPECT_EQ(h.state.table.CurrentButton, 3);
  EXPECT_TRUE(h.clipboard.written.empty());
  h.engine->ButtonMouseDown(4, MouseButton::Left);
  EXPECT_EQ(h.clipboard.written, std::vector<std::string>{""});  // an empty text still pastes
  EXPECT_EQ(test::KeyTrace(h.keyboard.events), "+Control_L +v -v -Control_L");
}

TEST_F(ClickButtonTest, TestingAPasteMethod) {
  const PasteMethod method{"Editor", pmEnding, "x", 150};
  h.keyboard.events.clear();
  ASSERT_EQ(h.loop.NowMs(), 100);
  EXPECT_TRUE(h.engine->Paste().TestPasteMethod(method, "Text Editor"));
  EXPECT_EQ(h.clipboard.written, std::vector<std::string>{"Paste Test"});
  EXPECT_EQ(test::KeyTrace(h.keyboard.events, true), "+x@250 -x@260");  // the method's delay after the write

  // Even a macro that processes nothing lets the test text go by uncaptured.
  EXPECT_TRUE(h.engine->Paste().TestPasteMethod(PasteMethod{"Editor", pmAnywhere, "", 150}, "Editor"));
  h.loop.AdvanceBy(500);
  for (int b = 1; b <= Group().NumClipButtons; ++b) EXPECT_EQ(Group().Buttons[b].Text, "") << b;

  h.keyboard.events.clear();
  EXPECT_FALSE(h.engine->Paste().TestPasteMethod(method, "Editor - notes"));
  EXPECT_EQ(h.ui.messages.at(0).kind, MsgKind::Error);
  EXPECT_TRUE(h.keyboard.events.empty());
}

// Terminals do not paste on Ctrl+V: by window class they get the terminal
// keystroke, unless a paste method matches the title first.
TEST_F(ClickButtonTest, TerminalsGetTheirKeystrokeByClass) {
  constexpr WindowId kTerm = 5;
  const std::string shiftInsert = "+Shift_L +Insert* -Insert* -Shift_L";
  const std::string ctrlV = "+Control_L +v -v -Control_L";
  // Title, class, the user's classes (empty: the default list), macro (null: the default keystroke), keys.
  const std::tuple<const char*, const char*, std::vector<std::string>, const char*, std::string> cases[] = {
      {"user@host: ~", "XTerm", {}, nullptr, shiftInsert},
      {"user@host: ~", "xterm", {}, nullptr, shiftInsert},  // case does not matter
      {"vim notes", "URxvt", {}, nullptr, "+x -x"},         // the method by title comes first
      {"user@host: ~", "Gedit", {}, nullptr, ctrlV},
      {"user@host: ~", "", {}, nullptr, ctrlV},
      {"user@host: ~", "XTerm", {"foot"}, nullptr, ctrlV},  // a list of the user's own
      {"user@host: ~", "Foot", {"foot"}, nullptr, shiftInsert},
      {"user@host: ~", "kitty", {}, "{Ctrl {Shift v}}", "+Control_L +Shift_L +v -v -Shift_L -Control_L"},
  };
  h.state.settings.PasteKeys.push_back(PasteMethod{"vim", pmBeginning, "x", 0});
  for (const auto& [title, className, classes, macro, keys] : cases) {
    TerminalPaste& terminals = h.state.settings.Terminals = TerminalPaste{};
    if (!classes.empty()) terminals.Classes = classes;
    if (macro) terminals.KeyMacro = macro;
    h.windows.windows[kTerm] = {title, "term"};
    h.windows.windows[kTerm].className = className;
    h.windows.foreground = kTerm;
    EXPECT_EQ(Click(1, 6), keys) << title << " / " << className;
  }
}

}  // namespace
}  // namespace cvd
