// The setup dialog's "Shortcuts" page on the offscreen platform, on the
// engine of the test harness.
#include <gtest/gtest.h>
#include <QAbstractButton>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QSpinBox>
#include <QTableWidget>
#include <QTest>

#include "core/shortcuts/ShortcutTable.h"
#include "support/Harness.h"
#include "ui/MacroLineEdit.h"
#include "ui/SetupShortcutsPage.h"

namespace cvd::ui {
namespace {

class SetupShortcutsPageTest : public ::testing::Test {
 protected:
  SetupShortcutsPageTest() {
    h.Start();
    h.windows.windows = {{10, {"bash - xterm", "xterm"}}};
    page = std::make_unique<SetupShortcutsPage>(h.engine->Shortcuts().Page(), h.engine->PasteMethodEditor());
    page->Load();
    page->show();
  }
  template <typename W>
  W* Control(const char* name) {
    W* widget = page->findChild<W*>(QString::fromLatin1(name));
    EXPECT_NE(widget, nullptr) << name;
    return widget;
  }
  const PasteMethods& Methods() { return h.state.settings.PasteKeys; }
  test::Harness h;
  std::unique_ptr<SetupShortcutsPage> page;
};

TEST_F(SetupShortcutsPageTest, EveryControlIsNamedAndThePageFitsTheDialog) {
  // Every control the keyboard reaches (the line edit of an edit box is part of that box).
  for (QWidget* widget : page->findChildren<QWidget*>()) {
    const bool inner = qobject_cast<QComboBox*>(widget->parent()) || qobject_cast<QSpinBox*>(widget->parent());
    if (widget->isVisible() && widget->focusPolicy() != Qt::NoFocus && !inner) {
      EXPECT_FALSE(widget->accessibleName().isEmpty()) << widget->metaObject()->className();
    }
  }
  EXPECT_LE(page->minimumSizeHint().width(), 380);
  EXPECT_EQ(Control<QTableWidget>("KeyList")->rowCount(), kNumFixedHotKeys + h.state.settings.NumFix());
}

TEST_F(SetupShortcutsPageTest, GridRowsLoadIntoTheBoxesAndUpdateWritesTheRow) {
  auto* keyList = Control<QTableWidget>("KeyList");
  auto* alt = Control<QCheckBox>("AltBox");
  auto* shift = Control<QCheckBox>("ShiftBox");
  auto* keys = Control<QComboBox>("Keys");
  page->ShowShortcutRow(3);  // "Hide button window", Alt+H
  EXPECT_TRUE(alt->isChecked());
  EXPECT_EQ(keys->currentText(), "H");
  EXPECT_TRUE(shift->isEnabled());
  alt->click();  // no modifier left: Shift cannot be chosen alone
  EXPECT_FALSE(shift->isEnabled());
  keys->setCurrentText(QStringLiteral("F5"));
  Control<QAbstractButton>("UpdateButton")->click();
  EXPECT_EQ(keyList->item(3, 1)->text(), "F5");
  EXPECT_EQ(keyList->item(3, 2)->text(), "116");
  EXPECT_EQ(page->focusWidget(), Control<QWidget>("Dummy"));
  // Selecting another row with the keyboard loads it.
  keyList->setFocus();
  QTest::keyClick(keyList, Qt::Key_Down);
  EXPECT_EQ(keys->currentText(), "C");
}

TEST_F(SetupShortcutsPageTest, TypingATitleRenamesTheCurrentMethodAndLaterEditsFollowIt) {
  auto* watch = Control<QComboBox>("WatchList");
  auto* macro = Control<MacroLineEdit>("PasteKeyBox");
  watch->activated(1);
  QLineEdit* title = watch->lineEdit();
  title->setFocus();
  title->setCursorPosition(3);  // "GVI|M"
  QTest::keyClicks(title, QStringLiteral("-x"));
  EXPECT_EQ(title->cursorPosition(), 5);
  EXPECT_EQ(Methods()[1].Title, "GVI-xM");
  // An editable list may report no current entry while its text is typed.
  watch->setCurrentIndex(-1);
  title->clear();
  QTest::keyClicks(title, QStringLiteral("cmd"));
  EXPECT_EQ(Methods()[1].Title, "cmd");
  // The key macro box edits the entry whose title was being typed.
  macro->setFocus();
  macro->clear();
  QTest::keyClicks(macro, QStringLiteral("a{Delay 250}"));
  QTest::keyClick(macro, Qt::Key_Backspace);
  EXPECT_EQ(Methods()[1].KeyMacro, "a");
  macro->InsertToken(2);  // "Shift": the letter to hold it with is selected
  EXPECT_EQ(macro->selectedText(), "a");
  QTest::sendKeyEvent(QTest::Click, macro, Qt::Key_Eacute, QStringLiteral("é"), Qt::NoModifier);
  EXPECT_EQ(Methods()[1].KeyMacro, "a{Shift é}");
  EXPECT_EQ(Methods()[0].KeyMacro, "{Ctrl y}");
}

TEST_F(SetupShortcutsPageTest, ThePageIsDisabledWhileNewWaitsForAWindow) {
  h.ui.Answer(MsgResult::Ok);
  Control<QAbstractButton>("NewWinButton")->click();
  EXPECT_FALSE(page->isEnabled());
  h.windows.foreground = 10;
  h.loop.AdvanceBy(50);
  EXPECT_TRUE(page->isEnabled());
  auto* watch = Control<QComboBox>("WatchList");
  ASSERT_EQ(watch->count(), 3);
  EXPECT_EQ(watch->currentText(), "bash - xterm");
  EXPECT_EQ(Control<QAbstractButton>("MatchLabel")->text(), "Match anywhere");
}

TEST_F(SetupShortcutsPageTest, WhereTheDesktopDecidesTheKeysThePageShowsItsTriggers) {
  // On X11 the program holds the keys: no desktop column, no note.
  auto* keyList = Control<QTableWidget>("KeyList");
  auto* note = Control<QLabel>("DesktopKeysNote");
  EXPECT_TRUE(keyList->isColumnHidden(3));
  EXPECT_FALSE(note->isVisible());

  AssignedTriggers& assigned = h.engine->Shortcuts().Assigned();
  assigned.SetDesktopDecides();
  assigned.Bound({{kFixedHotKeyIds[0], "Press Ctrl+Alt+V"}});
  page->Load();
  EXPECT_FALSE(keyList->isColumnHidden(3));
  EXPECT_EQ(keyList->item(0, 3)->text(), "Press Ctrl+Alt+V");
  EXPECT_EQ(keyList->item(1, 3)->text(), "");
  EXPECT_TRUE(note->isVisible());
  EXPECT_FALSE(note->accessibleName().isEmpty());
  // The user changes a key in the desktop's settings while the page shows.
  assigned.Changed({{kFixedHotKeyIds[1], "Press Super+C"}});
  EXPECT_EQ(keyList->item(0, 3)->text(), "Press Ctrl+Alt+V");
  EXPECT_EQ(keyList->item(1, 3)->text(), "Press Super+C");
}

}  // namespace
}  // namespace cvd::ui
