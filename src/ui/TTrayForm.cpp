#include "ui/TTrayForm.h"

#include <QMenu>
#include <QSystemTrayIcon>

#include "core/app/Engine.h"
#include "ui/AppIcon.h"

namespace cvd::ui {

TTrayForm::TTrayForm() {
  menu_ = new QMenu();
  menu_->setObjectName(QStringLiteral("TrayMenu"));
  menu_->addAction(QStringLiteral("Exit"), this, &TTrayForm::MenuExitClick);
  icon_ = new QSystemTrayIcon(AppIcon(), this);
  icon_->setToolTip(QStringLiteral("Corvinade - clipboard history and text snippets"));
  icon_->setContextMenu(menu_);
  connect(icon_, &QSystemTrayIcon::activated, this, [this](QSystemTrayIcon::ActivationReason reason) {
    if (reason == QSystemTrayIcon::Trigger && engine_) engine_->CoolTrayIconClick();
  });
}

TTrayForm::~TTrayForm() { delete menu_; }

void TTrayForm::ShowIcon() {
  if (QSystemTrayIcon::isSystemTrayAvailable()) icon_->show();
}

void TTrayForm::Balloon(const QString& title, const QString& text, int timeoutSeconds) {
  if (!icon_->isVisible()) return;
  icon_->showMessage(title, text, QSystemTrayIcon::Information, timeoutSeconds * 1000);
}

void TTrayForm::MenuExitClick() {
  if (engine_) engine_->MenuExitClick();
}

}  // namespace cvd::ui
