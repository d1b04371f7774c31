#include "ui/PauseAction.h"

#include <QAction>
#include <QMenu>

#include "core/privacy/CapturePrivacy.h"

namespace cvd::ui {

QAction* AddPauseAction(QMenu* menu, CapturePrivacy* const* privacy) {
  QAction* action = menu->addAction(QString::fromLatin1(kPauseHistoryText));
  action->setObjectName(QStringLiteral("MenuPauseHistory"));
  action->setCheckable(true);
  // The pause may have ended by itself since the menu last showed.
  QObject::connect(menu, &QMenu::aboutToShow, action,
                   [action, privacy] { action->setChecked(*privacy && (*privacy)->Paused()); });
  QObject::connect(action, &QAction::triggered, action, [privacy] {
    if (*privacy) (*privacy)->TogglePause();
  });
  return action;
}

}  // namespace cvd::ui
