// "Custom Quick Fix" on the offscreen platform, driven from the keyboard
// and the mouse as a user would.
#include <gtest/gtest.h>
#include <QAction>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStatusBar>
#include <QTest>

#include "core/quickfixeditor/QuickFixListEditor.h"
#include "core/settings/Settings.h"
#include "support/FakeHotkeys.h"
#include "support/ScriptedUi.h"
#include "ui/TQuickFixForm.h"

namespace cvd::ui {
namespace {

class QuickFixFormTest : public ::testing::Test {
 protected:
  QuickFixFormTest() {
    form.SetEditor(&editor);
    editor.Show();
  }
  QAction* Entry(const QString& text) {
    for (QAction* action : form.GestureMenu()->actions())
      if (action->text() == text) return action;
    return nullptr;
  }
  void ClickRow(int row) {
    const QRect rect = form.FixList->visualItemRect(form.FixList->item(row));
    QTest::mouseClick(form.FixList->viewport(), Qt::LeftButton, {}, rect.center());
  }

  Settings settings = DefaultSettings();
  test::ScriptedUi ui;
  test::FakeHotkeys hotkeys;
  TQuickFixForm form;
  int closed = 0;
  QuickFixListEditor editor{settings, ui,   ui,
                            hotkeys,  form, QuickFixEditorHooks{.listChanged = [] {}, .closed = [this] { ++closed; }}};
};

TEST_F(QuickFixFormTest, ShowsTheFixesWithTheFirstLoadedAndEveryControlNamed) {
  ASSERT_TRUE(form.isVisible());
  EXPECT_EQ(form.windowTitle(), "Custom Quick Fix");
  EXPECT_GE(form.width(), 425);
  EXPECT_GE(form.height(), 300);
  ASSERT_EQ(form.FixList->count(), 9);
  EXPECT_EQ(form.FixText->toPlainText(), "{Uppercase}");
  EXPECT_EQ(form.FixList->item(2)->data(Qt::AccessibleTextRole).toString(),
            "Capitalize First Letters, up mouse gesture");
  for (QWidget* control : form.findChildren<QWidget*>()) {
    if (control->focusPolicy() != Qt::NoFocus && !qobject_cast<QLabel*>(control) && control->isVisible()) {
      EXPECT_FALSE(control->accessibleName().isEmpty()) << control->metaObject()->className();
    }
  }
}

TEST_F(QuickFixFormTest, EditingTheActionStoresItAndBackspaceTakesAWholeCommand) {
  ClickRow(3);
  EXPECT_EQ(form.FixText->toPlainText(), "{RemoveLeading >}{RemoveLeading <}");
  form.FixText->setFocus();
  form.FixText->moveCursor(QTextCursor::End);
  QTest::keyClicks(form.FixText, "x");
  EXPECT_EQ(settings.QuickFixes.Action(3), "{RemoveLeading >}{RemoveLeading <}x");
  QTest::keyClick(form.FixText, Qt::Key_Backspace);
  QTest::keyClick(form.FixText, Qt::Key_Backspace);
  EXPECT_EQ(settings.QuickFixes.Action(3), "{RemoveLeading >}");

  // A function chosen from the keyboard: its description, then its command.
  form.QuickFixes->setCurrentItem(form.QuickFixes->findItems("Make uppercase", Qt::MatchExactly).at(0));
  EXPECT_EQ(form.StatusBar->currentMessage(), "Change text to uppercase");
  QTest::keyClick(form.QuickFixes, Qt::Key_Return);
  EXPECT_EQ(settings.QuickFixes.Action(3), "{RemoveLeading >}{Uppercase}");
  EXPECT_EQ(form.FixText->toPlainText(), "{RemoveLeading >}{Uppercase}");
}

TEST_F(QuickFixFormTest, ListButtonsAndGesturesWorkFromTheKeyboard) {
  ClickRow(2);  // holds the up gesture
  QTest::keyClick(form.FixList, Qt::Key_Up, Qt::ControlModifier);
  EXPECT_EQ(form.FixList->item(1)->text(), "Capitalize First Letters");
  EXPECT_EQ(form.FixList->currentRow(), 1);
  EXPECT_EQ(settings.GestUp, 1);

  EXPECT_FALSE(Entry("Set Up Mouse Gesture")->isVisible());
  EXPECT_TRUE(Entry("Remove Mouse Gesture")->isVisible());
  EXPECT_FALSE(Entry("Change shortcut key")->isEnabled());  // no setup dialog to show
  int row = -1;
  editor.SetShortcutRowHook([&](int r) { row = r; });
  Entry("Change shortcut key")->trigger();
  EXPECT_EQ(row, kNumFixedHotKeys + 1);  // after the fixed shortcuts
  Entry("Set Down Mouse Gesture")->trigger();
  EXPECT_EQ(settings.GestDown, 1);
  EXPECT_EQ(settings.GestUp, -1);
  EXPECT_EQ(form.FixList->item(1)->data(Qt::AccessibleTextRole).toString(),
            "Capitalize First Letters, down mouse gesture");

  ui.AnswerInput(std::string("Mine"));
  form.NewButton->click();
  EXPECT_EQ(form.FixList->count(), 10);
  EXPECT_EQ(form.FixList->currentRow(), 9);
  EXPECT_EQ(form.FixText->toPlainText(), "");

  form.resize(500, 400);
  form.CloseButton->click();
  EXPECT_FALSE(form.isVisible());
  EXPECT_EQ(closed, 1);
  EXPECT_EQ(settings.QuickFixWidth, 500);
  EXPECT_EQ(settings.QuickFixHeight, 400);
}

}  // namespace
}  // namespace cvd::ui
