// The quick fix editor's list: names, order, gestures, keys and the
// functions that write an action.
#include <gtest/gtest.h>

#include "core/data/Colors.h"
#include "core/ports/QuickFixEditorView.h"
#include "core/quickfixeditor/QuickFixFunctions.h"
#include "core/quickfixeditor/QuickFixListEditor.h"
#include "core/settings/Settings.h"
#include "core/shortcuts/KeyValue.h"
#include "support/FakeHotkeys.h"
#include "support/Harness.h"
#include "support/ScriptedUi.h"

namespace cvd::test {
namespace {

// The window as the editor leaves it: shown or not, and the action box's text.
struct RecordingView : QuickFixEditorView {
  std::string text;
  bool shown = false;
  void ShowEditor() override { shown = true; }
  void HideEditor() override { shown = false; }
  void SetActionText(const std::string& t) override { text = t; }
  void FocusActionText() override {}
};

class QuickFixListEditorTest : public ::testing::Test {
 protected:
  QuickFixListEditorTest() { editor.Show(); }
  std::array<int, 4> Gestures() const {
    return {settings.GestRight, settings.GestLeft, settings.GestUp, settings.GestDown};
  }

  Settings settings = DefaultSettings();
  ScriptedUi ui;
  FakeHotkeys hotkeys;
  RecordingView view;
  int listChanges = 0;
  QuickFixListEditor editor{
      settings, ui, ui, hotkeys, view, QuickFixEditorHooks{.listChanged = [this] { ++listChanges; }, .closed = [] {}}};
};

std::string Exists(const std::string& name) {
  return "A Quick Fix with the \"" + name + "\" name already exists.\nPlease choose another name and try again.";
}

TEST_F(QuickFixListEditorTest, NamesAreTrimmedUniqueAndUsableAsSettingsKeys) {
  struct Case {
    bool rename;  // fix 0 ("Change to Uppercase") is renamed; else a fix is made after "Upper"
    std::string answer;
    std::string message;  // empty: accepted silently
    std::string name;     // fix 0's name after a rename, the last fix's after "New"
  } cases[] = {
      {false, " \t upper \r", Exists("upper"), "Upper"},
      {false, "  Lower\t", "", "Lower"},
      {false, "  ", Exists(""), "Upper"},
      {false, "a=b", kQuickFixNameNotUsableText, "Upper"},
      {false, "[x", kQuickFixNameNotUsableText, "Upper"},
      {false, "x]", kQuickFixNameNotUsableText, "Upper"},
      {false, ";x", kQuickFixNameNotUsableText, "Upper"},
      {false, "paste ALL buttons", kQuickFixNameNotUsableText, "Upper"},
      {true, "Change to Uppercase", "", "Change to Uppercase"},
      {true, "change to UPPERCASE", Exists("change to UPPERCASE"), "Change to Uppercase"},
      {true, " Shout ", "", "Shout"},
  };
  for (const Case& c : cases) {
    settings = DefaultSettings();
    settings.QuickFixes.Entries.push_back("Upper={Uppercase}");
    ui.messages.clear();
    editor.Select(0);
    ui.AnswerInput(c.answer);
    c.rename ? editor.RenameClick() : editor.NewClick();
    EXPECT_EQ(ui.messages.empty() ? "" : ui.messages[0].text, c.message) << c.answer;
    EXPECT_EQ(c.rename ? editor.Name(0) : editor.Name(editor.Count() - 1), c.name) << c.answer;
    EXPECT_EQ(settings.QuickFixes.Action(0), "{Uppercase}") << c.answer;
    EXPECT_EQ(editor.Selected(), c.message.empty() && !c.rename ? 10 : 0) << c.answer;
  }
  // The 50th fix is refused before anything is asked.
  settings.QuickFixes.Entries.resize(QuickFixList::kMaxEntries, "F=");
  ui.messages.clear();
  editor.NewClick();
  EXPECT_EQ(ui.messages.at(0).text, kMaxQuickFixesText);
  EXPECT_EQ(editor.Count(), QuickFixList::kMaxEntries);
}

TEST_F(QuickFixListEditorTest, GesturesAndKeysMoveWithTheirFixes) {
  // Every fix holds a key: fix i has key Ctrl+(A + i); gestures 0, 1, 2, 3.
  const auto reset = [&] {
    settings = DefaultSettings();
    for (int i = 0; i < editor.Count(); ++i) {
      settings.QuickFixHotKeys[i] = hkCtrl * 256 + 'A' + i;
      hotkeys.Register(1000 + i, Shortcut{.ctrl = true, .character = static_cast<char>('A' + i)});
    }
  };
  const auto keyOf = [&](int id) { return hotkeys.registered.count(id) ? hotkeys.registered[id].second : 0; };
  struct Case {
    int from, to;
    std::array<int, 4> gestures;  // right, left, up, down; before: 0, 1, 2, 3
    std::string first;            // the name on top afterwards
  } cases[] = {
      {2, 0, {1, 2, 0, 3}, "Capitalize First Letters"},  // the up gesture stays with its fix
      {0, 100, {8, 0, 1, 2}, "Change to Lowercase"},     // below the last row: the last row
      {3, 3, {0, 1, 2, 3}, "Change to Uppercase"},
  };
  for (const Case& c : cases) {
    reset();
    const std::string moved = editor.Name(c.from);
    const int movedKey = settings.QuickFixHotKeys[c.from];
    editor.Select(c.from);
    editor.Move(c.from, c.to);
    EXPECT_EQ(Gestures(), c.gestures) << c.from;
    EXPECT_EQ(editor.Name(0), c.first) << c.from;
    const int landed = std::min(c.to, 8);
    EXPECT_EQ(editor.Name(landed), moved);
    EXPECT_EQ(editor.Selected(), landed);
    EXPECT_EQ(settings.QuickFixHotKeys[landed], movedKey);
    EXPECT_EQ(keyOf(1000 + landed), movedKey % 256);
  }

  // Deleting fix 1 ("Change to Lowercase", key B, left gesture).
  reset();
  editor.Select(1);
  ui.Answer(MsgResult::No);
  editor.DeleteClick();
  EXPECT_EQ(editor.Count(), 9);
  ui.Answer(MsgResult::Yes);
  editor.DeleteClick();
  EXPECT_EQ(ui.messages.back().text, "Are you sure you want to delete the \"Change to Lowercase\" Quick Fix?");
  EXPECT_EQ(editor.Count(), 8);
  EXPECT_EQ(Gestures(), (std::array<int, 4>{0, -1, 1, 2}));
  EXPECT_EQ(keyOf(1001), 'C');  // the next fix's key, moved with it
  EXPECT_EQ(keyOf(1008), 0);    // the position that fell away holds no key
  for (const auto& [id, key] : hotkeys.registered) EXPECT_NE(key.second, 'B') << id;
  EXPECT_EQ(editor.Selected(), 0);
  EXPECT_EQ(view.text, "{Uppercase}");
  EXPECT_EQ(listChanges, 3);  // two moves and the deletion
}

TEST_F(QuickFixListEditorTest, FunctionsAppendTheirCommandsAfterTheirQuestions) {
  struct Case {
    std::string function;
    std::vector<std::optional<std::string>> answers;
    std::string appended;
  } cases[] = {
      {"Make uppercase", {}, "{Uppercase}"},
      {"Replace characters", {"a", "b"}, "{Replace a,b}"},
      {"Replace characters", {"a", std::nullopt}, ""},
      {"Replace characters", {"a,"}, ""},  // refused: {Replace} splits at the first comma
      {"Remove leading", {std::nullopt}, ""},
      {"Add prefix", {""}, "{AddPrefix}"},
      {"no such function", {"x"}, "{Remove x}"},
  };
  editor.Select(8);
  for (const Case& c : cases) {
    settings.QuickFixes.Entries[8] = "Format number=";
    view.text.clear();
    for (const auto& answer : c.answers) ui.AnswerInput(answer);
    editor.FunctionDoubleClick(c.function);
    EXPECT_EQ(settings.QuickFixes.Action(8), c.appended) << c.function;
    EXPECT_EQ(view.text, c.appended) << c.function;
    EXPECT_TRUE(ui.AllAnswersUsed()) << c.function;
  }
  EXPECT_EQ(ui.inputQueries[1], "Quick Fix|What do you want to replace \"a\" with?|");
  EXPECT_EQ(ui.messages.at(0).text, kReplaceCommaText);

  settings.QuickFixes.Entries[8] = "Format number={Uppercase}";
  ui.AnswerColor(ColorPair{clRed, clYellow});
  editor.FunctionDoubleClick("Set button color");
  EXPECT_EQ(ui.colorPresets.at(0), (ColorPair{clBlack, clBtnFace}));
  EXPECT_EQ(settings.QuickFixes.Action(8), "{Uppercase}{ButtonColor clYellow,clRed}");
}

TEST_F(QuickFixListEditorTest, AnEmptyListLeavesEveryFixActionAlone) {
  settings.QuickFixes.Entries = {"Only={Uppercase}"};
  editor.Select(0);
  ui.Answer(MsgResult::Yes);
  editor.DeleteClick();
  EXPECT_EQ(editor.Count(), 0);
  EXPECT_EQ(view.text, "");
  EXPECT_FALSE(editor.HasSelection());
  const auto gestures = Gestures();
  // Nothing is asked (an unexpected question fails) and nothing is written.
  editor.SetShortcutRowHook([](int) { ADD_FAILURE() << "shortcut row without a fix"; });
  editor.DeleteClick();
  editor.RenameClick();
  editor.FunctionDoubleClick("Make uppercase");
  editor.FixTextChange("{Lowercase}");
  editor.SetGesture(Gesture::Down);
  editor.ChangeShortcutKeyClick();
  editor.Move(0, 0);
  editor.Select(0);
  EXPECT_EQ(editor.Count(), 0);
  EXPECT_EQ(Gestures(), gestures);
}

TEST(QuickFixEditorWiringTest, TheButtonMenuOpensTheEditorWhichKeepsTheKeyboardUntilClosed) {
  Harness h;
  RecordingView view;
  Ports ports = h.AllPorts();
  ports.quickFixEditorView = &view;
  h.windows.windows[7] = {"notes.txt - Editor", "gedit"};
  Engine& engine = h.Start(ports);
  h.Focus(7);
  h.windows.activated.clear();
  engine.Menus().Choose(cmdCustomizeQuickFixes);
  EXPECT_TRUE(view.shown);
  EXPECT_TRUE(h.windows.activated.empty());
  h.ui.AnswerInput(std::string("Mine"));
  engine.FixListEditor().NewClick();
  EXPECT_EQ(engine.Shortcuts().Page().Rows().back().name, "Mine");  // the shortcut list follows
  engine.FixListEditor().CloseClick("{Uppercase}");
  EXPECT_FALSE(view.shown);
  EXPECT_EQ(h.windows.activated, std::vector<WindowId>{7});
  EXPECT_EQ(h.state.settings.QuickFixes.Entries.back(), "Mine={Uppercase}");
}

TEST(QuickFixFunctionsTest, BackspaceTakesTheWholeCommandBeforeTheCaret) {
  const struct {
    std::string text;
    std::size_t caret;
    std::optional<std::size_t> start;
  } cases[] = {
      {"{Uppercase}{Remove x}", 21, 11},  {"ab{Replace {a},b}", 17, 2},  // nested braces are counted
      {"{Uppercase}x", 12, std::nullopt}, {"x}", 2, std::nullopt},      {"{Uppercase}", 0, std::nullopt},
  };
  for (const auto& c : cases) EXPECT_EQ(CommandStartBefore(c.text, c.caret), c.start) << c.text;
  const std::vector<std::string> names = QuickFixFunctionNames();
  EXPECT_TRUE(std::is_sorted(names.begin(), names.end()));
}

}  // namespace
}  // namespace cvd::test
