#include "ui/WindowRoles.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QDialog>
#include <QWidget>

namespace cvd::ui {

namespace {

// Asked for every class name of an object from the most derived one up, so
// only the program's own classes are taken here, before Qt's factory would
// answer for their base class.
QAccessibleInterface* WindowInterface(const QString& className, QObject* object) {
  auto* widget = qobject_cast<QWidget*>(object);
  if (widget == nullptr || !widget->isWindow() || qobject_cast<QDialog*>(widget) != nullptr ||
      (widget->windowType() != Qt::Window && widget->windowType() != Qt::Tool) ||
      !className.startsWith(QLatin1String("cvd::ui::"))) {
    return nullptr;
  }
  // Without a name of its own a window's accessible name is its title.
  return new QAccessibleWidget(widget, QAccessible::Window);
}

}  // namespace

void InstallWindowRoles() { QAccessible::installFactory(WindowInterface); }

}  // namespace cvd::ui
