#include "ui/TTrayForm.h"

#include <QApplication>
#include <QMenu>
#include <QRect>
#include <QSystemTrayIcon>
#include <QTimer>

#include "core/desktop/DesktopActions.h"
#include "ui/AppIcon.h"
#include "ui/PauseAction.h"
#include "ui/TmyAboutBox.h"

namespace cvd::ui {

namespace {
constexpr int kBalloonWaitMs = 100, kMaxBalloonWaits = 30;  // three seconds for the tray to place the icon
}  // namespace

TTrayForm::TTrayForm() {
  menu_ = new QMenu();
  menu_->setObjectName(QStringLiteral("TrayMenu"));
  menu_->setAccessibleName(QStringLiteral("Corvinade menu"));
  about_ = menu_->addAction(QStringLiteral("About Corvinade"), this, &TTrayForm::MenuAboutCorvinadeClick);
  setup_ = menu_->addAction(QStringLiteral("Settings"), this, [this] {
    if (settings_) settings_();
  });
  AddPauseAction(menu_, &privacy_);
  menu_->addSeparator();
  menu_->addAction(QStringLiteral("Read Help File"), this, [this] {
    if (parts_) parts_->desktop.MenuReadHelpFileClick();
  });
  menu_->addAction(QStringLiteral("Corvinade Web Site"), this, [this] {
    if (parts_) parts_->desktop.MenuCorvinadeWebSiteClick();
  });
  menu_->addSeparator();
  exit_ = menu_->addAction(QStringLiteral("Exit"), this, &TTrayForm::MenuExitClick);
  connect(menu_, &QMenu::aboutToShow, this, &TTrayForm::UpdateMenu);

  icon_ = new QSystemTrayIcon(AppIcon(), this);
  icon_->setToolTip(QStringLiteral("Corvinade - clipboard history and text snippets"));
  icon_->setContextMenu(menu_);
  connect(icon_, &QSystemTrayIcon::activated, this, [this](QSystemTrayIcon::ActivationReason reason) {
    if (reason == QSystemTrayIcon::Trigger && parts_) parts_->iconClicked();
  });
}

TTrayForm::~TTrayForm() { delete menu_; }

void TTrayForm::ShowIcon() {
  if (QSystemTrayIcon::isSystemTrayAvailable()) icon_->show();
}

bool TTrayForm::IconShown() const { return icon_->isVisible() && QSystemTrayIcon::isSystemTrayAvailable(); }

void TTrayForm::Balloon(const QString& title, const QString& text, int timeoutSeconds) {
  if (IconShown() && QSystemTrayIcon::supportsMessages()) {
    // Right after the start the tray may not have taken the icon in yet: its
    // place is the screen's corner, and the balloon would point there.
    const QRect place = icon_->geometry();
    if ((place.isEmpty() || place.topLeft() == QPoint(0, 0)) && balloonWaits_ < kMaxBalloonWaits) {
      ++balloonWaits_;
      QTimer::singleShot(kBalloonWaitMs, this, [=, this] { Balloon(title, text, timeoutSeconds); });
      return;
    }
    balloonWaits_ = 0;
    icon_->showMessage(title, text, QSystemTrayIcon::Information, timeoutSeconds * 1000);
  } else if (notifier_) {
    notifier_(title, text, timeoutSeconds);
  }
}

bool TTrayForm::BalloonsShown() const {
  if (IconShown() && QSystemTrayIcon::supportsMessages()) return true;
  return notifier_ && notifierAvailable_ && notifierAvailable_();
}

void TTrayForm::UpdateMenu() {
  // Ending the program or opening a second dialog from inside a modal loop
  // would pull forms from under the dialog that runs it.
  const bool free = QApplication::activeModalWidget() == nullptr;
  about_->setEnabled(free);
  setup_->setEnabled(free && settings_ != nullptr);
  exit_->setEnabled(free);
}

void TTrayForm::MenuAboutCorvinadeClick() {
  if (QApplication::activeModalWidget()) return;
  TmyAboutBox box([this] {
    if (parts_) parts_->desktop.MailSupport();
  });
  box.exec();
}

void TTrayForm::MenuExitClick() {
  if (QApplication::activeModalWidget()) return;
  if (parts_) parts_->exit();
}

}  // namespace cvd::ui
