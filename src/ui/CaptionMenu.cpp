#include "ui/CaptionMenu.h"

#include <QApplication>
#include <QMenu>

#include "core/ports/TrayView.h"
#include "core/window/ButtonWindow.h"
#include "core/window/SystemCommand.h"
#include "ui/CaptionBar.h"
#include "ui/PauseAction.h"

namespace cvd::ui {

CaptionMenu::CaptionMenu(CaptionBar& caption) : QObject(&caption), caption_(caption) {
  QMenu* menu = caption.Menu();
  rollUp_ = menu->addAction(QStringLiteral("RollUp"));
  rollUp_->setObjectName(QStringLiteral("MenuRollUp"));
  search_ = menu->addAction(QStringLiteral("Search"));
  search_->setObjectName(QStringLiteral("MenuSearch"));
  settings_ = menu->addAction(QStringLiteral("Settings"));
  settings_->setObjectName(QStringLiteral("MenuSettings"));
  AddPauseAction(menu, &privacy_);
  QAction* move = menu->addAction(QStringLiteral("Move"));
  move->setObjectName(QStringLiteral("MenuMove"));
  menu->addSeparator();
  QAction* close = menu->addAction(QStringLiteral("Close"));
  close->setObjectName(QStringLiteral("MenuClose"));
  // Without a tray icon this menu is the only way to end the program.
  QAction* exit = menu->addAction(QStringLiteral("Exit"));
  exit->setObjectName(QStringLiteral("MenuExit"));

  connect(menu, &QMenu::aboutToShow, this, [this, exit] {
    // The entry names what choosing it does now.
    rollUp_->setText(parts_ && parts_->window.RolledUp() ? QStringLiteral("UnRoll") : QStringLiteral("RollUp"));
    exit->setVisible(!parts_ || !parts_->tray.TrayIconShown());
  });
  connect(rollUp_, &QAction::triggered, this, [this] { Command(scRollUp); });
  connect(search_, &QAction::triggered, this, [this] { Command(scSearch); });
  connect(settings_, &QAction::triggered, this, [this] { Command(scSettings); });
  connect(move, &QAction::triggered, this, [this] { caption_.BeginMove(); });
  connect(close, &QAction::triggered, this, [this] {
    if (parts_) parts_->close();
  });
  connect(exit, &QAction::triggered, this, [this] {
    // Exit under a running modal dialog would destroy forms still in use.
    if (parts_ && !QApplication::activeModalWidget()) parts_->exit();
  });
  connect(&caption, &CaptionBar::DoubleClicked, this, [this] { Command(scRollUp); });
}

void CaptionMenu::Command(int command) {
  if (parts_) parts_->systemCommand(command);
}

}  // namespace cvd::ui
