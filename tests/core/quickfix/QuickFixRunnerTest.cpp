#include "core/quickfix/QuickFixRunner.h"

#include <gtest/gtest.h>

#include "core/quickfix/Dial.h"
#include "core/quickfix/QuickFixMenu.h"
#include "support/FakeShell.h"
#include "support/ScriptedUi.h"

namespace cvd {
namespace {

class FakeEditor : public QuickFixEditor {
 public:
  void SetSampleColors(TColor face, std::optional<TColor>) override { sampleFace = face; }
  EditorText GetText() override { return state; }
  void SetText(const EditorText& text) override { state = text, ++sets; }
  EditorText state;
  int sets = 0;
  std::optional<TColor> sampleFace;
};

class QuickFixRunnerTest : public ::testing::Test {
 protected:
  QuickFixRunnerTest() {
    table.AddGroup("Default", "/nonexistent/");
    for (int b = 1; b <= 5; ++b) SetButton(b, "clip" + std::to_string(b));
    SetButton(6, "perm");
    fixes = QuickFixList{{"Upper={Uppercase}", "Split={Split 2}", "Bad={Uppercase}{LineLength x}",
                          "Color={ButtonColor clYellow,clMaroon}", "Dial={Dial 9,}", "Face={ButtonColor clRed}",
                          "Same={Number %0.00}"}};
    runner.SetSeparators(NumberSeparators{".", ","});
    shell.openSucceeds = false;  // a refused call changes nothing
  }

  void SetButton(int b, const std::string& text) {
    table.Current().Buttons.SetText(b, text);
    table.Current().Buttons.SetName(b, "name of " + text);
  }
  TButton Button(int b) { return table.Current().Buttons[b]; }
  std::vector<std::string> ClipTexts() {
    std::vector<std::string> texts;
    for (int b = 1; b <= 5; ++b) texts.push_back(Button(b).Text);
    return texts;
  }

  GroupTable table;
  QuickFixList fixes;
  test::FakeShell shell;
  test::ScriptedUi ui;
  int displays = 0, fadeResets = 0;
  QuickFixRunner runner{QuickFixHost{&table,
                                     &fixes,
                                     &shell,
                                     &ui,
                                     [](const std::string& text) { return "[" + text + "]"; },
                                     [this] { ++displays; },
                                     [this] { ++fadeResets; },
                                     {}}};
};

TEST_F(QuickFixRunnerTest, ButtonMenuStoresTheResultWithItsCaption) {
  table.CurrentButton = 6;
  runner.MenuQuickFixClick(0);
  EXPECT_EQ(Button(6).Name, "[PERM]");
  EXPECT_EQ(displays, 1);
  EXPECT_EQ(fadeResets, 1);
}

TEST_F(QuickFixRunnerTest, SplitFillsClipButtonsAndLeavesTheSourceButton) {
  SetButton(6, "a\r\nb\r\nc\r\nd\r\ne");
  table.CurrentButton = 6;
  runner.MenuQuickFixClick(1);
  EXPECT_EQ(ClipTexts(), (std::vector<std::string>{"e\r\n", "c\r\nd\r\n", "a\r\nb\r\n", "clip1", "clip2"}));
  EXPECT_EQ(Button(1).Name, "[e\r\n]");

  // Filled from the bottom, the clips keep the text's order; a clip button
  // that is split moves with the others and keeps its text.
  table.Current().FillMode = 2;
  for (int b = 1; b <= 5; ++b) SetButton(b, "clip" + std::to_string(b));
  SetButton(5, "x\r\ny\r\nz");
  table.CurrentButton = 5;
  runner.MenuQuickFixClick(1);
  EXPECT_EQ(ClipTexts(), (std::vector<std::string>{"clip3", "clip4", "x\r\ny\r\nz", "x\r\ny\r\n", "z\r\n"}));
}

TEST_F(QuickFixRunnerTest, InvalidValueShowsTheMessageAndStoresNothing) {
  table.CurrentButton = 2;
  runner.MenuQuickFixClick(2);
  EXPECT_EQ(ui.messages.at(0).kind, MsgKind::Error);
  EXPECT_EQ(Button(2).Text, "clip2");

  // So does a result that grows too long.
  fixes.Entries[0] = "Grow={AddSuffix 0123456789}";
  runner.SetMaxText(10);
  table.CurrentButton = 6;
  runner.MenuQuickFixClick(0);
  EXPECT_EQ(ui.messages.back().text, kQuickFixTooLongText);
  EXPECT_EQ(Button(6).Text, "perm");
}

TEST_F(QuickFixRunnerTest, ButtonColorGoesToTheButtonOrToTheOpenEditor) {
  table.CurrentButton = 3;
  runner.MenuQuickFixClick(3);
  EXPECT_EQ(Button(3).Color, clYellow);
  EXPECT_EQ(Button(3).FontColor, clMaroon);

  FakeEditor editor;
  editor.state = EditorText{"text", 0, 0, "name"};
  runner.SetEditor(&editor);
  table.CurrentButton = 4;
  runner.MenuQuickFixClick(103);
  EXPECT_EQ(editor.sampleFace, clYellow);
  EXPECT_EQ(Button(4).Color, clBtnFace);  // the stored button changes only when the editor saves
}

TEST_F(QuickFixRunnerTest, DialOpensATelUrl) {
  EXPECT_EQ(DialString("  +1 555\t0100 ", "  "), "1 5550100");  // a plus sign is not kept
  EXPECT_EQ(TelUrl("*31#0/\xC3\xA9"), "tel:*31%230%2F%C3%A9");
  table.CurrentButton = 6;
  SetButton(6, "Call (555) 123-4567 now");
  runner.MenuQuickFixClick(4);
  EXPECT_EQ(shell.opened, (std::vector<std::string>{"tel:9,(555)%20123-4567"}));
  runner.DialPhoneNumber("no digits", " ");
  EXPECT_EQ(shell.opened.size(), 1u);  // nothing to dial, no call
}

TEST_F(QuickFixRunnerTest, EditorMenuWorksOnTheSelectionOrTheWholeText) {
  FakeEditor editor;
  runner.SetEditor(&editor);
  table.CurrentButton = 6;

  editor.state = EditorText{"one two three", 4, 3, "old"};
  runner.MenuQuickFixClick(100);
  EXPECT_EQ(editor.state, (EditorText{"one TWO three", 7, 0, "[one TWO three]"}));

  editor.state = EditorText{"abc", 2, 99, "old"};  // a selection past the end is cut to the text
  runner.MenuQuickFixClick(100);
  EXPECT_EQ(editor.state.text, "abC");

  // A split resets the editor to the stored button.
  editor.state = EditorText{"p\r\nq", 0, 0, "edited"};
  runner.MenuQuickFixClick(101);
  EXPECT_EQ(editor.state, (EditorText{"perm", 0, 0, "name of perm"}));
  EXPECT_EQ(ClipTexts()[0], "p\r\nq\r\n");

  const int sets = editor.sets;  // an invalid value leaves the editor as it was
  runner.MenuQuickFixClick(102);
  EXPECT_EQ(editor.sets, sets);
}

TEST_F(QuickFixRunnerTest, ShortcutAndGestureStoreUnlessNoChange) {
  EXPECT_TRUE(runner.ApplyToButton(0, 4));
  EXPECT_EQ(Button(4).Name, "[CLIP4]");

  SetButton(6, "a\r\nb");
  EXPECT_FALSE(runner.ApplyToButton(1, 6));  // split: NoChangeText
  EXPECT_EQ(Button(6).Text, "a\r\nb");
  EXPECT_EQ(Button(1).Text, "a\r\nb\r\n");

  EXPECT_FALSE(runner.ApplyToButton(2, 5));  // invalid value
  EXPECT_EQ(Button(5).Text, "CLIP4");        // moved down by the split, not changed
  EXPECT_FALSE(runner.ApplyToButton(0, 7));  // no such button
  EXPECT_EQ(displays, 3);
  EXPECT_EQ(fadeResets, 0);
}

TEST(QuickFixMenu, EntriesAndTags) {
  // Three on the button menu, the rest under More; the editor menu has all, tagged from 100.
  const QuickFixMenus menus = UpdateQuickFixMenu(QuickFixList{{"A={a}", "B={b}", "C={c}", "D={d}", "E={e}"}});
  EXPECT_EQ(menus.direct, (std::vector<QuickFixMenuEntry>{{"A", 0}, {"B", 1}, {"C", 2}}));
  EXPECT_EQ(menus.more, (std::vector<QuickFixMenuEntry>{{"D", 3}, {"E", 4}}));
  EXPECT_EQ(menus.editor.at(4), (QuickFixMenuEntry{"E", 104}));
  EXPECT_EQ(DecodeQuickFixTag(48), (QuickFixMenuItem{QuickFixMenuSource::ButtonMenu, 48}));
  EXPECT_EQ(DecodeQuickFixTag(148), (QuickFixMenuItem{QuickFixMenuSource::EditorMenu, 48}));
}

TEST(QuickFixList, NameAndActionSplitAtTheFirstEquals) {
  const QuickFixList list{{"A=B={x=y}", "NoAction", "=only action"}};
  const std::pair<std::string, std::string> expected[] = {{"A", "B={x=y}"}, {"NoAction", ""}, {"", "only action"}};
  for (int i = 0; i < 3; ++i) EXPECT_EQ(std::pair(list.Name(i), list.Action(i)), expected[i]) << i;
  EXPECT_EQ(list.Name(3), "");
}

}  // namespace
}  // namespace cvd
