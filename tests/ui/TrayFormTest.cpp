// The tray menu and the about box on the offscreen platform.
#include <gtest/gtest.h>
#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QLabel>
#include <QMenu>
#include <QPushButton>

#include "core/app/CommandLine.h"
#include "ui/TTrayForm.h"
#include "ui/TmyAboutBox.h"

namespace cvd::ui {
namespace {

QStringList Captions(const QMenu* menu) {
  QStringList captions;
  for (const QAction* action : menu->actions())
    captions << (action->isSeparator() ? QStringLiteral("-") : action->text());
  return captions;
}

QAction* Entry(const QMenu* menu, const QString& text) {
  for (QAction* action : menu->actions())
    if (action->text() == text) return action;
  return nullptr;
}

TEST(TrayFormTest, MenuHoldsItsEntriesInOrderAndWaitsForAnOpenDialog) {
  TTrayForm tray;
  const QStringList expected{"About Corvinade",
                             "Settings",
                             "Pause Clipboard History",
                             "-",
                             "Read Help File",
                             "Corvinade Web Site",
                             "-",
                             "Exit"};
  EXPECT_EQ(Captions(tray.TrayMenu()), expected);

  bool settingsOpened = false;
  tray.SetSettingsHandler([&] { settingsOpened = true; });
  tray.UpdateMenu();
  for (const char* entry : {"About Corvinade", "Settings", "Exit", "Read Help File"})
    EXPECT_TRUE(Entry(tray.TrayMenu(), entry)->isEnabled()) << entry;
  Entry(tray.TrayMenu(), "Settings")->trigger();
  EXPECT_TRUE(settingsOpened);

  QDialog dialog;
  dialog.setModal(true);
  dialog.show();
  ASSERT_EQ(QApplication::activeModalWidget(), &dialog);
  tray.UpdateMenu();
  for (const char* entry : {"About Corvinade", "Settings", "Exit"})
    EXPECT_FALSE(Entry(tray.TrayMenu(), entry)->isEnabled()) << entry;
  EXPECT_TRUE(Entry(tray.TrayMenu(), "Read Help File")->isEnabled());
  dialog.hide();
  tray.UpdateMenu();
  EXPECT_TRUE(Entry(tray.TrayMenu(), "Exit")->isEnabled());
}

TEST(TrayFormTest, WithoutATrayBalloonsGoToTheDesktopsNotifications) {
  TTrayForm tray;  // the offscreen platform has no tray host
  QStringList shown;
  bool service = true;
  tray.SetNotifier([&](const QString& title, const QString& text,
                       int seconds) { shown << QStringLiteral("%1|%2|%3").arg(title, text).arg(seconds); },
                   [&] { return service; });
  tray.ShowIcon();
  EXPECT_FALSE(tray.IconShown());
  tray.Balloon("Corvinade", "Clipboard connection lost & restored.", 10);
  EXPECT_EQ(shown, QStringList{"Corvinade|Clipboard connection lost & restored.|10"});
  // Nobody hears them without a notification service: the caller says it otherwise.
  EXPECT_TRUE(tray.BalloonsShown());
  service = false;
  EXPECT_FALSE(tray.BalloonsShown());
}

TEST(TrayFormTest, AboutBoxShowsTheVersionAndItsLinkMailsThenCloses) {
  int mails = 0;
  TmyAboutBox box([&] { ++mails; });
  EXPECT_EQ(box.windowTitle(), "About Corvinade");
  EXPECT_EQ(box.ProductName->text(), "Corvinade");
  EXPECT_EQ(box.Version->text(), QString::fromStdString("Version " + ProgramVersion()));
  EXPECT_EQ(box.MailLink->text(), "support@corvinade.org");
  EXPECT_TRUE(box.OKButton->isDefault());
  EXPECT_FALSE(box.MailLink->accessibleName().isEmpty());
  box.show();
  box.MailLink->click();
  EXPECT_EQ(mails, 1);
  EXPECT_FALSE(box.isVisible());
  EXPECT_EQ(box.result(), QDialog::Accepted);
}

}  // namespace
}  // namespace cvd::ui
