#include "ui/CaptionMenu.h"

#include <QMenu>

#include "core/app/Engine.h"
#include "ui/CaptionBar.h"

namespace cvd::ui {

CaptionMenu::CaptionMenu(CaptionBar& caption) : QObject(&caption), caption_(caption) {
  QMenu* menu = caption.Menu();
  rollUp_ = menu->addAction(QStringLiteral("RollUp"));
  rollUp_->setObjectName(QStringLiteral("MenuRollUp"));
  search_ = menu->addAction(QStringLiteral("Search"));
  search_->setObjectName(QStringLiteral("MenuSearch"));
  settings_ = menu->addAction(QStringLiteral("Settings"));
  settings_->setObjectName(QStringLiteral("MenuSettings"));
  // Enabled by the dialogs once they are there.
  search_->setEnabled(false);
  settings_->setEnabled(false);
  QAction* move = menu->addAction(QStringLiteral("Move"));
  move->setObjectName(QStringLiteral("MenuMove"));
  menu->addSeparator();
  QAction* close = menu->addAction(QStringLiteral("Close"));
  close->setObjectName(QStringLiteral("MenuClose"));

  connect(menu, &QMenu::aboutToShow, this, [this] {
    // The entry names what choosing it does now.
    rollUp_->setText(engine_ && engine_->Window().RolledUp() ? QStringLiteral("UnRoll") : QStringLiteral("RollUp"));
  });
  connect(rollUp_, &QAction::triggered, this, [this] { Command(scRollUp); });
  connect(search_, &QAction::triggered, this, [this] { Command(scSearch); });
  connect(settings_, &QAction::triggered, this, [this] { Command(scSettings); });
  connect(move, &QAction::triggered, this, [this] { caption_.BeginMove(); });
  connect(close, &QAction::triggered, this, [this] {
    if (engine_) engine_->CloseButtonWindow();
  });
  connect(&caption, &CaptionBar::DoubleClicked, this, [this] { Command(scRollUp); });
}

void CaptionMenu::Command(int command) {
  if (engine_) engine_->HandleSystemCommand(command);
}

}  // namespace cvd::ui
