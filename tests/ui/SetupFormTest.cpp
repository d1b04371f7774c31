// The setup dialog on the offscreen platform: its pages and controls, and
// closing it by any way runs the same checks and rules.
#include <QApplication>
#include <QCheckBox>
#include <QEnterEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QStatusBar>
#include <QTabWidget>
#include <QTest>
#include <QTimeEdit>
#include <QTimer>
#include <functional>
#include <gtest/gtest.h>

#include "core/app/Engine.h"
#include "platform/qt/QtEventLoop.h"
#include "support/TempDir.h"
#include "ui/HintWindow.h"
#include "ui/QtTextMeasure.h"
#include "ui/QtUi.h"
#include "ui/TMainForm.h"
#include "ui/TSetupForm.h"
#include "ui/TTrayForm.h"

namespace cvd::ui {
namespace {

class SetupFormTest : public ::testing::Test {
 protected:
  test::TempDir dir;
  SetupFormTest()
      : ui(form, tray, hint), measure(form, hint), state{Directories{"/nonexistent/", dir.Path(), dir.Path()}},
        engine(Ports{.loop = &loop, .ui = &ui, .measure = &measure, .setupView = &setup}, state) {
    setup.SetEngine(engine);
    engine.FormCreate();
  }

  // Opens the dialog from the tray and runs `steps` inside its modal loop.
  void WhileOpen(const std::function<void()>& steps) {
    QTimer::singleShot(0, &setup, [&] {
      steps();
      if (!setup.isVisible()) return;
      ADD_FAILURE() << "the dialog did not close";
      setup.QDialog::done(QDialog::Rejected);
    });
    engine.Setup().MenuSetupClick();
  }
  // Answers the next message box with OK and notes its text.
  static void DismissNextMessage(QString& text) {
    QTimer::singleShot(50, [&text] {
      if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
        text = box->text();
        box->accept();
      }
    });
  }

  TTrayForm tray;
  TMainForm form;
  HintWindow hint;
  qt::QtEventLoop loop;
  QtUi ui;
  QtTextMeasure measure;
  TSetupForm setup;
  AppState state;
  Engine engine;
};

TEST_F(SetupFormTest, PagesAndControlsCarryCaptionsNamesAndHints) {
  EXPECT_EQ(setup.windowTitle(), "Corvinade Settings");
  ASSERT_EQ(setup.Pages->count(), 3);
  EXPECT_EQ(setup.Pages->tabText(0) + setup.Pages->tabText(1) + setup.Pages->tabText(2), "OptionsShortcutsNetwork");
  EXPECT_TRUE(setup.minimumWidth() >= 400 && setup.minimumHeight() >= 380);
  EXPECT_EQ(setup.BackupTime->displayFormat(), "hh:mm AP");
  for (const QAbstractButton* control : setup.findChildren<QAbstractButton*>(Qt::FindChildrenRecursively)) {
    if (!qobject_cast<const QCheckBox*>(control) && !qobject_cast<const QPushButton*>(control)) continue;
    EXPECT_FALSE(control->accessibleName().isEmpty()) << control->text().toStdString();
    if (control != setup.Dummy) EXPECT_FALSE(control->statusTip().isEmpty()) << control->text().toStdString();
  }
  for (const QWidget* control : std::initializer_list<const QWidget*>{
           setup.FadeTime, setup.FadeLevel, setup.BackupTime, setup.BackupDirectory, setup.DataDirBox,
           setup.ShareDirectory, setup.ShareList})
    EXPECT_FALSE(control->accessibleName().isEmpty()) << control->objectName().toStdString();

  // The hint of the control under the mouse shows below; a page change clears it.
  QEnterEvent enter(QPointF(1, 1), QPointF(1, 1), QPointF(1, 1));
  QApplication::sendEvent(setup.DontCopy, &enter);
  EXPECT_EQ(setup.StatusBar->currentMessage(), "Don't create new buttons when button window is hidden");
  setup.Pages->setCurrentIndex(2);
  EXPECT_TRUE(setup.StatusBar->currentMessage().isEmpty());
}

TEST_F(SetupFormTest, EscapeAndTheCloseButtonOfTheWindowAreCheckedLikeClose) {
  state.settings.DontAskDelete = true;
  QString message;
  bool blocked = false;
  WhileOpen([&] {
    setup.FadeTime->setFocus();
    setup.FadeTime->selectAll();
    QTest::keyClicks(setup.FadeTime, "61");
    EXPECT_EQ(setup.FadeTime->palette().color(QPalette::Text), QColor(Qt::red));
    setup.RollupOption->click();
    EXPECT_FALSE(setup.FadeOutOption->isChecked());
    EXPECT_FALSE(setup.FadeLevel->isEnabled());
    setup.DoNotAskAgain->click();
    DismissNextMessage(message);
    QTest::keyClick(&setup, Qt::Key_Escape);
    blocked = setup.isVisible();
    QTest::keyClick(setup.FadeTime, Qt::Key_Backspace);
    EXPECT_NE(setup.FadeTime->palette().color(QPalette::Text), QColor(Qt::red));
    setup.close();
  });
  EXPECT_EQ(message.toStdString(), kFadeInvalidText);
  EXPECT_TRUE(blocked);
  EXPECT_FALSE(setup.isVisible());
  EXPECT_EQ(state.settings.FadeTime, "6");
  EXPECT_TRUE(state.settings.RollupOption && !state.settings.DontAskDelete);
}

TEST_F(SetupFormTest, ShareButtonsAndTicksReachTheGroups) {
  state.table.AddGroup("Work", "/nonexistent/");
  setup.ShareAllButton->click();
  ASSERT_EQ(setup.ShareList->count(), 2);
  EXPECT_EQ(setup.ShareList->item(1)->text(), "Work");
  EXPECT_EQ(setup.ShareList->item(1)->checkState(), Qt::Checked);
  setup.ShareList->item(1)->setCheckState(Qt::Unchecked);
  EXPECT_TRUE(state.table.Groups[1].Shared && !state.table.Groups[2].Shared);
  setup.ShareNoneButton->click();
  EXPECT_TRUE(setup.ShareList->item(0)->checkState() == Qt::Unchecked && !state.table.Groups[1].Shared);
  EXPECT_EQ(setup.DataDirBox->text().toStdString(), dir.Path());
}

}  // namespace
}  // namespace cvd::ui
