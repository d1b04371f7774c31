#pragma once
// Qt menus drawn from the core's menu models.
#include <QPoint>
#include <functional>

#include "core/groups/MenuModel.h"

class QMenu;
class QWidget;

namespace cvd::ui {

// Adds the model's entries to `menu`; choosing one calls `choose` with its
// command once the menu has closed.
void FillMenu(QMenu& menu, const MenuModel& model, const std::function<void(int)>& choose);

// Shows the model as a popup at a screen point, waits for the choice and
// runs it. Arrow keys, Return and Escape work as in every menu.
void PopupMenu(const MenuModel& model, const QString& name, QPoint at, const std::function<void(int)>& choose);

}  // namespace cvd::ui
