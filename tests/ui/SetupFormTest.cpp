// The setup dialog on the offscreen platform: its pages and controls, and
// closing it by any way runs the same checks and rules.
#include <gtest/gtest.h>
#include <QApplication>
#include <QCheckBox>
#include <QEnterEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QStatusBar>
#include <QTabWidget>
#include <QTest>
#include <QTimeEdit>
#include <QTimer>
#include <functional>

#include "support/Harness.h"
#include "ui/TSetupForm.h"
#include "ui/ViewWiring.h"

namespace cvd::ui {
namespace {

// The form on the engine of the shared harness; its messages go to the
// scripted user interface.
class SetupFormTest : public ::testing::Test {
 protected:
  SetupFormTest() {
    Ports ports = h.AllPorts();
    ports.setupView = &setup;
    h.Start(ports);
    setup.SetParts(SetupFormPartsOf(*h.engine));
  }

  // Opens the dialog from the tray and runs `steps` inside its modal loop.
  void WhileOpen(const std::function<void()>& steps) {
    QTimer::singleShot(0, &setup, [&] {
      steps();
      if (!setup.isVisible()) return;
      ADD_FAILURE() << "the dialog did not close";
      setup.QDialog::done(QDialog::Rejected);
    });
    h.engine->Setup().MenuSetupClick();
  }

  TSetupForm setup;
  test::Harness h;
  AppState& state = h.state;
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
    if (control != setup.Dummy) {
      EXPECT_FALSE(control->statusTip().isEmpty()) << control->text().toStdString();
    }
  }
  for (const QWidget* control :
       std::initializer_list<const QWidget*>{setup.FadeTime, setup.FadeLevel, setup.BackupTime, setup.BackupDirectory,
                                             setup.DataDirBox, setup.ShareDirectory, setup.ShareList})
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
    QTest::keyClick(&setup, Qt::Key_Escape);
    blocked = setup.isVisible();
    QTest::keyClick(setup.FadeTime, Qt::Key_Backspace);
    EXPECT_NE(setup.FadeTime->palette().color(QPalette::Text), QColor(Qt::red));
    setup.close();
  });
  ASSERT_EQ(h.ui.messages.size(), 1u);
  EXPECT_EQ(h.ui.messages[0].text, kFadeInvalidText);
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
  EXPECT_EQ(setup.DataDirBox->text().toStdString(), h.dir.Path());
}

}  // namespace
}  // namespace cvd::ui
