#include "ui/MenuView.h"

#include <QAction>
#include <QMenu>

namespace cvd::ui {

void FillMenu(QMenu& menu, const MenuModel& model, const std::function<void(int)>& choose) {
  for (const MenuEntry& entry : model) {
    if (entry.separator) {
      menu.addSeparator()->setVisible(entry.visible);
      continue;
    }
    // Captions are shown as they are: an "&" is no accelerator mark.
    QString caption = QString::fromUtf8(entry.caption.c_str());
    caption.replace('&', QStringLiteral("&&"));
    if (!entry.children.empty()) {
      QMenu* sub = menu.addMenu(caption);
      sub->setObjectName(caption);
      sub->setAccessibleName(QString::fromUtf8(entry.caption.c_str()));
      sub->menuAction()->setVisible(entry.visible);
      FillMenu(*sub, entry.children, choose);
      continue;
    }
    QAction* action = menu.addAction(caption);
    action->setEnabled(entry.enabled);
    action->setVisible(entry.visible);
    if (entry.checked) {
      action->setCheckable(true);
      action->setChecked(true);
    }
    const int command = entry.command;
    QObject::connect(action, &QAction::triggered, &menu, [choose, command] { choose(command); });
  }
}

void PopupMenu(const MenuModel& model, const QString& name, QPoint at, const std::function<void(int)>& choose) {
  int chosen = 0;
  {
    QMenu menu;
    menu.setObjectName(name);
    menu.setAccessibleName(name);
    FillMenu(menu, model, [&chosen](int command) { chosen = command; });
    menu.exec(at);
  }
  // The command runs after the menu is gone, so its dialogs own the screen.
  if (chosen != 0) choose(chosen);
}

}  // namespace cvd::ui
