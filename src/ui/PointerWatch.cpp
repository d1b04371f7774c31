#include "ui/PointerWatch.h"

#include <QEvent>
#include <QWidget>

namespace cvd::ui {
namespace {

constexpr const char* kWatchName = "cvdPointerWatch";

class PointerFilter : public QObject {
 public:
  explicit PointerFilter(QWidget& widget) : QObject(&widget) { setObjectName(kWatchName); }
  std::function<void(bool)> handler;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    // Enter and Leave reach the window only when the pointer crosses its
    // edge, not when it moves between its children.
    if (handler && (event->type() == QEvent::Enter || event->type() == QEvent::Leave)) {
      handler(event->type() == QEvent::Enter);
    }
    return QObject::eventFilter(watched, event);
  }
};

}  // namespace

void WatchPointer(QWidget& widget, std::function<void(bool)> handler) {
  // Only this file names a child so.
  auto* filter = static_cast<PointerFilter*>(widget.findChild<QObject*>(kWatchName, Qt::FindDirectChildrenOnly));
  if (!filter) {
    filter = new PointerFilter(widget);
    widget.installEventFilter(filter);
  }
  filter->handler = std::move(handler);
  // A window that comes up under the pointer counts as entered.
  if (filter->handler && widget.underMouse()) filter->handler(true);
}

}  // namespace cvd::ui
