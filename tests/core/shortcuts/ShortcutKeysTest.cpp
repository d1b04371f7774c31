// Shortcut keys in virtual time: key values, registration, the functions
// and their guards, paste all, the setup page and type-ahead.
#include <gtest/gtest.h>

#include "core/shortcuts/KeyValue.h"
#include "core/shortcuts/ShortcutTable.h"
#include "support/Harness.h"
#include "support/KeyTrace.h"

namespace cvd {
namespace {

constexpr WindowId kEditor = 1;
constexpr int kAlt = hkAlt * 256;

TEST(KeyValueTest, DisplayTextsAndNames) {
  const struct {
    int value;
    const char* text;
  } cases[] = {{0, "None"},
               {837, "<ALT><CTRL>E"},
               {12 * 256 + 123, "<SHIFT><SUPER>F12"},
               {116, "F5"},
               {15 * 256 + '0', "<ALT><CTRL><SHIFT><SUPER>0"}};
  for (const auto& c : cases) EXPECT_EQ(PrintKeyCombo(c.value), c.text) << c.value;
  for (const char* name : {"A", "Z", "0", "9", "F1", "F9", "F10", "F12"}) {
    EXPECT_EQ(KeyCodeToName(KeyNameToCode(name)), name);
  }
  for (const char* name : {"", "a", "?", "F0", "F13", "F1x", "None"}) EXPECT_EQ(KeyNameToCode(name), 0) << name;
  // Stored values outside what the setup page makes are no key.
  const struct {
    int stored, used;
  } checked[] = {{837, 837}, {116, 116}, {0, 0}, {-3, 0}, {16 * 256 + 'A', 0}, {kAlt + 'a', 0}, {kAlt + 124, 0}};
  for (const auto& c : checked) EXPECT_EQ(CheckedKeyValue(c.stored), c.used) << c.stored;
}

TEST(KeyValueTest, StoredValuesBecomeNeutralShortcuts) {
  const struct {
    int value;
    std::optional<Shortcut> shortcut;
  } cases[] = {
      {837, Shortcut{.alt = true, .ctrl = true, .character = 'E'}},
      {12 * 256 + 123, Shortcut{.shift = true, .super = true, .functionKey = 12}},
      {112, Shortcut{.functionKey = 1}},
      {8 * 256 + '0', Shortcut{.super = true, .character = '0'}},
      {0, std::nullopt},
      {kAlt + 'a', std::nullopt},
      {16 * 256 + 'A', std::nullopt},
  };
  for (const auto& c : cases) EXPECT_EQ(ShortcutOfKeyValue(c.value), c.shortcut) << c.value;
}

class ShortcutKeysTest : public ::testing::Test {
 protected:
  ShortcutKeysTest() {
    h.windows.windows[kEditor] = {"notes.txt - Editor", "gedit"};
    h.windows.foreground = kEditor;
  }
  void Start() {
    h.Start();
    h.Focus(kEditor);
    // What the first run opens and says is not the keys' doing.
    h.shell.opened.clear();
    h.ui.balloons.clear();
  }
  ShortcutKeys& Keys() { return h.engine->Shortcuts(); }
  void Press(int keyValue) {
    h.hotkeys.Press(keyValue);
    h.loop.AdvanceBy(200);
  }
  void Copy(const std::string& text) {
    h.clipboard.Copy(text);
    h.loop.AdvanceBy(100);
  }
  // Texts the pastes put on the clipboard since the last call.
  std::vector<std::string> Pasted() {
    auto written = h.clipboard.written;
    h.clipboard.written.clear();
    return written;
  }
  int Active() { return h.engine->Window().ActiveButton(); }
  void AddGroups(std::initializer_list<const char*> names) {
    for (const char* name : names) h.state.table.AddGroup(name, "/x/");
  }

  test::Harness h;
};

TEST_F(ShortcutKeysTest, KeysHeldElsewhereAreClearedAndReportedOnceBadValuesSilently) {
  h.hotkeys.heldElsewhere = {{hkAlt, 'H'}, {hkAlt, 'S'}};
  h.Start();
  EXPECT_EQ(h.state.settings.FixedHotKeys[2] + h.state.settings.FixedHotKeys[3], 0);
  EXPECT_EQ(h.ui.messages.size(), 1u);
  // The others are taken with the modifier bits of their values.
  EXPECT_EQ(h.hotkeys.registered.at(hkiEnable), std::make_pair(hkAlt | hkCtrl, int('E')));
  h.engine->FormDestroy();
  EXPECT_TRUE(h.hotkeys.registered.empty());
  h.state.settings.FixedHotKeys[2] = 99999;
  Keys().RegisterAll();
  EXPECT_EQ(h.hotkeys.registered.size(), 18u);
  EXPECT_EQ(h.state.settings.FixedHotKeys[2], 0);
  EXPECT_EQ(h.ui.messages.size(), 1u);
}

TEST_F(ShortcutKeysTest, DisablingLeavesEnableAndQuickFixKeysWorking) {
  h.state.settings.QuickFixHotKeys.assign(9, 0);
  Start();
  h.state.settings.QuickFixHotKeys[0] = kAlt + 'Q';  // "Upper Case"
  Keys().RegisterAll();
  Copy("hello");
  Press(835);  // Ctrl+Alt+C
  h.ui.visible = true;
  Press(kAlt + 'H');
  EXPECT_TRUE(h.ui.visible);
  Press(kAlt + 'Q');
  EXPECT_EQ(h.Clip(1), "HELLO");
  Press(837);  // Ctrl+Alt+E
  Press(kAlt + 'H');
  EXPECT_FALSE(h.ui.visible);
  EXPECT_EQ(h.ui.balloons.size(), 2u);
}

TEST_F(ShortcutKeysTest, ShowCyclesGroupsWhenVisible) {
  h.Start();
  AddGroups({"Two", "Three"});
  h.ui.visible = false;
  for (const std::string name : {"Default", "Two", "Three", "Default"}) {
    Press(kAlt + 'S');
    EXPECT_TRUE(h.ui.visible);
    EXPECT_EQ(h.state.table.Current().Name, name);
  }
}

TEST_F(ShortcutKeysTest, ResetThenPastesRunInCopyOrder) {
  Start();
  h.Group().FillMode = 1;
  for (const char* text : {"first", "second", "third"}) Copy(text);
  Press(kAlt + 'R');
  EXPECT_EQ(Active(), 3);
  Pasted();
  for (int i = 0; i < 4; ++i) Press(kAlt + 'P');
  EXPECT_EQ(Pasted(), (std::vector<std::string>{"first", "second", "third", "third"}));
  // A reset pressed while a paste step lets events run waits for the step:
  // the step's own move of the pointer must not undo it.
  h.loop.Post([this] { h.hotkeys.Press(kAlt + 'R'); });
  Press(kAlt + 'P');
  EXPECT_EQ(Active(), 3);
  // Previous and Next move the pointer and stop at the ends of the clip area.
  Press(kAlt + 'M');
  EXPECT_EQ(Active(), 4);
  for (int i = 0; i < 9; ++i) Press(kAlt + 'M');
  EXPECT_EQ(Active(), h.Group().NumClipButtons);
  Press(kAlt + 'N');
  EXPECT_EQ(Active(), h.Group().NumClipButtons - 1);
}

TEST_F(ShortcutKeysTest, PasteAllSendsTheDelimiterBetweenClipsOnlyAndEndsOnADroppedStep) {
  Start();
  for (const char* text : {"a", "b", "c"}) Copy(text);
  h.state.settings.Delimiters = {{"Comma", ","}, {"Enter", "{Enter}"}};
  h.ui.whileListFormShows = [this] {
    // A second Alt+A while the list shows opens no second list.
    h.hotkeys.Press(kAlt + 'A');
    h.loop.AdvanceBy(100);
    Keys().Delimiters().SelectCell(1, 1);
  };
  Press(kAlt + 'R');
  Pasted();
  h.keyboard.events.clear();
  Press(kAlt + 'A');
  h.loop.AdvanceBy(3000);
  EXPECT_EQ(h.ui.listFormShows, 1);
  EXPECT_EQ(Pasted(), (std::vector<std::string>{"a", "b", "c"}));
  EXPECT_EQ(test::KeyTrace(h.keyboard.events),
            "+Control_L +v -v -Control_L +Return -Return "
            "+Control_L +v -v -Control_L +Return -Return +Control_L +v -v -Control_L");
  EXPECT_FALSE(Keys().PasteAll());
  // Cancelled: nothing is pasted.
  h.ui.whileListFormShows = nullptr;
  h.ui.listFormOk = false;
  Press(kAlt + 'A');
  h.loop.AdvanceBy(1000);
  EXPECT_TRUE(Pasted().empty());
  // A step dropped while the keys are off ends the run.
  h.ui.listFormOk = true;
  h.hotkeys.Press(kAlt + 'A');
  h.loop.AdvanceBy(25);  // the list closes with OK, the first step is posted
  Keys().HotKeyPressed(hkiDisable);
  h.loop.AdvanceBy(1000);
  Keys().HotKeyPressed(hkiEnable);
  EXPECT_FALSE(Keys().PasteAll());
  Pasted();
  Press(kAlt + 'P');
  EXPECT_EQ(Pasted().size(), 1u);
}

TEST_F(ShortcutKeysTest, LastCopiedFunctionsNeedAClipOfTheCurrentGroup) {
  h.state.settings.QuickFixHotKeys.assign(9, 0);
  Start();
  Copy("keep");
  Copy("drop");
  Press(kAlt + 'L');
  EXPECT_EQ(h.Clip(1), "keep");
  Pasted();
  Press(kAlt + 'V');  // cleared: nothing is last copied
  Press(kAlt + 'L');
  EXPECT_TRUE(Pasted().empty());
  EXPECT_EQ(h.Clip(1), "keep");
  Copy("dial me");
  Keys().HotKeyPressed(kQuickFixHotKeyBase + 30);  // beyond the list: nothing
  Pasted();
  Press(kAlt + 'V');
  EXPECT_EQ(Pasted(), std::vector<std::string>{"dial me"});
  // The clip area shrank below the last filled button: it no longer counts.
  h.Group().NumClipButtons = 0;
  h.Group().NumPermButtons += 5;
  Press(kAlt + 'V');
  Keys().HotKeyPressed(kQuickFixHotKeyBase);
  Press(kAlt + 'P');  // no clip area: nothing to paste
  EXPECT_TRUE(Pasted().empty());
  EXPECT_EQ(h.Group().Buttons[1].Text, "dial me");
  EXPECT_TRUE(h.ui.messages.empty());
}

TEST_F(ShortcutKeysTest, PasteClampsThePointerToTheClipAreaAndReleasesHeldModifiers) {
  Start();
  for (const char* text : {"a", "b", "c", "d", "e"}) Copy(text);
  Press(kAlt + 'R');
  h.Group().NumClipButtons = 2;
  h.Group().NumPermButtons += 3;
  Pasted();
  h.keyboard.held = {NamedKey::LeftAlt, NamedKey::RightControl};
  h.keyboard.events.clear();
  Press(kAlt + 'P');
  EXPECT_EQ(Pasted(), std::vector<std::string>{h.Clip(2)});
  EXPECT_EQ(test::KeyTrace(h.keyboard.events), "-Control_R -Alt_L +Control_L +v -v -Control_L");
}

TEST_F(ShortcutKeysTest, DialsOnlyWhatTheCopyPutOnTheClipboard) {
  Start();
  Copy("555 1234");
  Press(kAlt + 'D');  // the target copied nothing
  EXPECT_TRUE(h.shell.opened.empty());
  // The target answers the copy keystroke.
  h.loop.Post([this] { h.clipboard.Copy("555 9876"); });
  h.keyboard.events.clear();
  Press(kAlt + 'D');
  EXPECT_EQ(test::KeyTrace(h.keyboard.events), "-Control_L -Shift_L -Alt_L -Super_L +Control_L +c -c -Control_L");
  EXPECT_EQ(h.shell.opened, std::vector<std::string>{"tel:555%209876"});
}

TEST_F(ShortcutKeysTest, DuplicateKeysSetThePolicyAndDoRunsByName) {
  Start();
  for (int k = 0; k < 4; ++k) {
    Press(kAlt + '1' + k);
    EXPECT_EQ(h.Group().CopyDups, k);
  }
  Copy("mixed");
  EXPECT_TRUE(Keys().Do("change to UPPERCASE"));
  EXPECT_EQ(h.Clip(1), "MIXED");
  EXPECT_FALSE(Keys().Do("No such function"));
}

TEST_F(ShortcutKeysTest, SetupPageShiftRuleAndConflicts) {
  h.hotkeys.heldElsewhere = {{hkAlt, 'X'}};
  h.Start();
  ShortcutPage& page = Keys().Page();
  page.ShowKeySettings(3);  // "Hide button window", Alt+H
  EXPECT_TRUE(page.boxes.shiftEnabled);
  page.boxes = KeyBoxes{.shift = true, .key = "A"};
  page.BoxClick();
  EXPECT_FALSE(page.boxes.shift);
  page.boxes.key = "F5";
  page.UpdateButtonClick();
  EXPECT_EQ(page.Rows()[3].display, "F5");
  // A key another program holds is refused; the row keeps its key.
  page.boxes.alt = true;
  page.boxes.key = "X";
  page.UpdateButtonClick();
  EXPECT_EQ(h.ui.messages.size(), 1u);
  EXPECT_EQ(h.state.settings.FixedHotKeys[3], 116);
  EXPECT_EQ(h.hotkeys.registered.at(hkiHideWindow), std::make_pair(0, 116));
  page.ClearButtonClick();
  EXPECT_EQ(h.hotkeys.registered.count(hkiHideWindow), 0u);
  EXPECT_EQ(page.Rows()[3].display, "None");
}

TEST_F(ShortcutKeysTest, TypingALetterCyclesGroupsStartingWithIt) {
  h.Start();
  GroupTable& t = h.state.table;
  t.Groups[1].Name = t.GroupList[0] = "Games";
  AddGroups({"Gifts", "Work"});
  const struct {
    char typed;
    const char* group;
  } steps[] = {{'g', "Games"}, {'g', "Gifts"}, {'G', "Games"}, {'w', "Work"}, {'x', "Work"}, {'g', "Games"}};
  for (const auto& s : steps) {
    Keys().DummyKeyPress(s.typed);
    EXPECT_EQ(t.Current().Name, s.group) << s.typed;
  }
  // After a switch by other means the next letter starts from that group.
  h.engine->GroupListChange(1);
  Keys().DummyKeyPress('g');
  EXPECT_EQ(t.Current().Name, "Games");
}

TEST_F(ShortcutKeysTest, DelimiterListEdits) {
  h.Start();
  DelimiterList& list = Keys().Delimiters();
  h.state.settings.Delimiters.clear();  // a damaged count
  list.Shown();
  ASSERT_EQ(list.Rows().size(), 1u);
  EXPECT_EQ(Keys().PasteAllSeparator(), ",");
  list.DeleteClick();  // the last one stays: a message, no question
  h.ui.AnswerInput("Tab");
  h.ui.AnswerInput("{Tab}");
  list.NewClick();
  list.SelectCell(1, 1);
  EXPECT_EQ(Keys().PasteAllSeparator(), "{Tab}");
  h.ui.Answer(MsgResult::Yes);
  list.DeleteClick();
  EXPECT_EQ(list.Row(), 0);
  EXPECT_EQ(Keys().PasteAllSeparator(), ",");
  h.ui.AnswerInput(";");
  list.EditClick();
  EXPECT_EQ(Keys().PasteAllSeparator(), ";");
  EXPECT_TRUE(h.ui.AllAnswersUsed());
}

}  // namespace
}  // namespace cvd
