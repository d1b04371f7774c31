// The button editor on the offscreen platform, driven through its controls
// while it runs modally, as the button window's menus open it.
#include <gtest/gtest.h>
#include <QAbstractSpinBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QSpinBox>
#include <QTabWidget>
#include <QTest>
#include <QTextCursor>
#include <QTimer>

#include "core/app/Engine.h"
#include "platform/qt/QtEventLoop.h"
#include "support/TempDir.h"
#include "ui/EditorList.h"
#include "ui/HintWindow.h"
#include "ui/QtTextMeasure.h"
#include "ui/QtUi.h"
#include "ui/TBitBtnWithColor.h"
#include "ui/TCvdEditForm.h"
#include "ui/TMainForm.h"
#include "ui/TTrayForm.h"
#include "ui/ViewWiring.h"

namespace cvd::ui {
namespace {

class EditFormTest : public ::testing::Test {
 protected:
  test::TempDir dir;
  EditFormTest()
      : ui(form, tray, hint),
        measure(form, hint),
        state{Directories{"/nonexistent/", dir.Path(), dir.Path()}, {}, {}},
        engine(Ports{.loop = &loop, .ui = &ui, .measure = &measure, .editorView = &edit}, state) {
    form.SetParts(ButtonWindowPartsOf(engine));
    edit.SetEditor(&engine.Editor());
    engine.FormCreate();
  }
  // Runs `user` once the editor shows, after the menu command opened it.
  void WhileOpen(int command, const std::function<void()>& user) {
    bool ran = false;
    QTimer::singleShot(0, &edit, [&] {
      QCoreApplication::processEvents();  // the form's own start: focus and activation
      ran = true;
      user();
      if (edit.isVisible()) edit.CancelButton->click();
    });
    engine.Menus().Choose(command);
    EXPECT_TRUE(ran);
  }

  TTrayForm tray;
  TMainForm form;
  HintWindow hint;
  TCvdEditForm edit;
  qt::QtEventLoop loop;
  QtUi ui;
  QtTextMeasure measure;
  AppState state;
  Engine engine;
};

TEST_F(EditFormTest, TypingShowsLiveAndOkStoresWithCrLf) {
  state.table.CurrentButton = 6;
  WhileOpen(cmdEditButton, [&] {
    EXPECT_EQ(edit.Pages->currentIndex(), 0);
    EXPECT_EQ(edit.focusWidget(), edit.ButtonTextBox);
    EXPECT_TRUE(edit.ColorButton->isVisible());
    edit.ButtonTextBox->selectAll();
    QTest::keyClicks(edit.ButtonTextBox, "a b");
    QTest::keyClick(edit.ButtonTextBox, Qt::Key_Return);
    QTest::keyClicks(edit.ButtonTextBox, "c");
    EXPECT_EQ(edit.windowTitle(), "Edit Button [4 characters, 3 words, 2 lines]");
    edit.ButtonNameBox->selectAll();
    QTest::keyClicks(edit.ButtonNameBox, "Mine");
    EXPECT_EQ(form.ButtonControl(6)->text(), "Mine");  // the button window follows at once
    EXPECT_EQ(state.table.Groups[1].Buttons[6].Name, "Permanent");
    edit.OkButton->click();
  });
  EXPECT_FALSE(edit.isVisible());
  EXPECT_EQ(state.table.Groups[1].Buttons[6].Text, "a b\r\nc");
  EXPECT_EQ(state.table.Groups[1].Buttons[6].Name, "Mine");
}

TEST_F(EditFormTest, GroupOptionsSetTheClipCountAndListTheButtons) {
  state.table.AddGroup("Work", "/nonexistent/");
  state.table.Groups[2].NumClipButtons = 2;
  state.table.Groups[2].ResizeButtons();
  WhileOpen(cmdGroupOptions, [&] {
    EXPECT_EQ(edit.windowTitle(), "Group Options");
    EXPECT_EQ(edit.Pages->currentIndex(), 1);
    EXPECT_EQ(edit.GroupList->count(), 2);
    edit.GroupList->setCurrentRow(1);  // the lists and options follow the selected group
    EXPECT_EQ(edit.ButtonList->count(), 3);
    EXPECT_EQ(edit.NumClipBox->value(), 2);
    edit.GroupList->setCurrentRow(0);
    EXPECT_EQ(edit.ButtonList->count(), 6);
    EXPECT_EQ(edit.ButtonList->item(5)->foreground().color(), QColor(Qt::red));  // the permanent one
    edit.NumClipBox->setValue(7);
    edit.SetNumClipButton->click();
    EXPECT_EQ(edit.ButtonList->count(), 8);
    edit.PasteDelayBox->setValue(5000);  // the box keeps its limit
    // Double click (Enter) on a button opens it on the Button page.
    edit.ButtonList->setCurrentRow(7);
    QTest::keyClick(edit.ButtonList, Qt::Key_Return);
    EXPECT_EQ(edit.Pages->currentIndex(), 0);
    EXPECT_EQ(edit.ButtonTextBox->toPlainText(), QString::fromUtf8(state.table.Groups[1].Buttons[8].Text.c_str()));
  });
  EXPECT_EQ(state.table.Groups[1].NumClipButtons, 7);
  EXPECT_EQ(state.table.Groups[1].PasteDelay, 1000);
}

TEST_F(EditFormTest, AtItsSmallestEveryGroupOptionShowsWholeWithoutScrollingSideways) {
  WhileOpen(cmdGroupOptions, [&] {
    edit.resize(edit.minimumSize());
    QCoreApplication::processEvents();
    ASSERT_EQ(edit.size(), edit.minimumSize());
    QWidget* options = edit.OptionArea->widget();
    QWidget* viewport = edit.OptionArea->viewport();
    EXPECT_LE(options->width(), viewport->width());
    int checked = 0;
    for (QWidget* w : options->findChildren<QWidget*>()) {
      const bool inner =
          qobject_cast<QAbstractSpinBox*>(w->parentWidget()) || qobject_cast<QComboBox*>(w->parentWidget());
      if (inner || !w->isVisibleTo(options) || w->accessibleName().isEmpty()) continue;
      const QRect shown(w->mapTo(viewport, QPoint(0, 0)), w->size());
      const std::string name = w->accessibleName().toStdString();
      EXPECT_GE(shown.left(), 0) << name;
      EXPECT_LE(shown.right(), viewport->width() - 1) << name;
      EXPECT_GE(w->width(), w->minimumSizeHint().width()) << name << " is cut";
      ++checked;
    }
    EXPECT_GE(checked, 20);
    for (QWidget* list : {static_cast<QWidget*>(edit.GroupList), static_cast<QWidget*>(edit.ButtonList)})
      EXPECT_GE(list->width(), 48) << list->accessibleName().toStdString();
  });
}

TEST_F(EditFormTest, QuickFixSelectionsAreBytesOfTheStoredText) {
  edit.ButtonTextBox->setPlainText(QString::fromUtf8("Grüße\nab"));
  QTextCursor cursor = edit.ButtonTextBox->textCursor();
  cursor.setPosition(6);
  cursor.setPosition(8, QTextCursor::KeepAnchor);
  edit.ButtonTextBox->setTextCursor(cursor);
  const TextSelection selection = edit.Selection();
  EXPECT_EQ(selection.start, 9u);  // "Grüße" is 7 bytes, the line break CR LF
  EXPECT_EQ(selection.length, 2u);
  edit.SetSelection(TextSelection{2, 4});
  EXPECT_EQ(edit.ButtonTextBox->textCursor().selectedText(), QString::fromUtf8("üß"));
}

TEST_F(EditFormTest, EveryControlHasAnAccessibleName) {
  std::vector<QWidget*> controls;
  for (QWidget* w : edit.findChildren<QWidget*>()) {
    const bool inner =
        qobject_cast<QAbstractSpinBox*>(w->parentWidget()) || qobject_cast<QComboBox*>(w->parentWidget());
    const bool control = qobject_cast<QAbstractButton*>(w) || qobject_cast<QLineEdit*>(w) ||
                         qobject_cast<QPlainTextEdit*>(w) || qobject_cast<QAbstractSpinBox*>(w) ||
                         qobject_cast<QComboBox*>(w) || qobject_cast<QListWidget*>(w);
    if (control && !inner && w->accessibleName().isEmpty()) controls.push_back(w);
  }
  EXPECT_TRUE(controls.empty()) << controls.front()->metaObject()->className();
}

}  // namespace
}  // namespace cvd::ui
