#include "ui/WindowInput.h"

#include <QApplication>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QToolButton>

#include "core/groups/WindowMenus.h"
#include "core/window/MouseButton.h"
#include "ui/MenuView.h"
#include "ui/TBitBtnWithColor.h"
#include "ui/TMainForm.h"

namespace cvd::ui {

namespace {
// A right-button drag starts once the mouse has moved this far.
constexpr int kDragThreshold = 10;
}  // namespace

WindowInput::WindowInput(TMainForm& form) : QObject(&form), form_(form) {
  form_.GroupBox->installEventFilter(this);
  form_.GroupList->installEventFilter(this);
  form_.GroupButton->installEventFilter(this);
  form_.GroupButton->setContextMenuPolicy(Qt::PreventContextMenu);
}

void WindowInput::AttachButton(QWidget* button) {
  button->installEventFilter(this);
  button->setContextMenuPolicy(Qt::PreventContextMenu);
}

void WindowInput::PopupGroupMenu(QPoint at) {
  if (!parts_) return;
  PopupMenu(parts_->menus.GroupMenu(), QStringLiteral("GroupMenu"), at,
            [this](int command) { parts_->menus.Choose(command); });
}

void WindowInput::PopupButtonMenu(QPoint at) {
  if (!parts_) return;
  PopupMenu(parts_->menus.ButtonMenu(), QStringLiteral("ButtonMenu"), at,
            [this](int command) { parts_->menus.Choose(command); });
}

bool WindowInput::eventFilter(QObject* watched, QEvent* event) {
  if (!parts_) return false;
  if ((watched == form_.GroupBox || watched == form_.GroupList) && event->type() == QEvent::ContextMenu) {
    PopupGroupMenu(static_cast<QContextMenuEvent*>(event)->globalPos());
    return true;
  }
  // A quick second press arrives as a double click; it steps once more.
  if (watched == form_.GroupButton &&
      (event->type() == QEvent::MouseButtonPress || event->type() == QEvent::MouseButtonDblClick)) {
    auto* mouse = static_cast<QMouseEvent*>(event);
    if (mouse->button() != Qt::RightButton) return false;
    parts_->menus.Groups().StepGroup(mouse->modifiers() & Qt::ShiftModifier);
    return true;
  }
  if (auto* button = qobject_cast<TBitBtnWithColor*>(watched)) return ButtonEvent(button->Number(), button, event);
  return false;
}

bool WindowInput::ButtonEvent(int number, QWidget* button, QEvent* event) {
  switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick: {
      auto* mouse = static_cast<QMouseEvent*>(event);
      if (mouse->button() != Qt::RightButton) return false;
      pressed_ = number;
      dragging_ = false;
      pressAt_ = mouse->globalPosition().toPoint();
      parts_->buttonPressed(number, MouseButton::Right);
      return true;
    }
    case QEvent::MouseMove: {
      auto* mouse = static_cast<QMouseEvent*>(event);
      if (pressed_ != number || !(mouse->buttons() & Qt::RightButton)) return false;
      if (!dragging_ && (mouse->globalPosition().toPoint() - pressAt_).manhattanLength() >= kDragThreshold) {
        dragging_ = true;
        QApplication::setOverrideCursor(Qt::DragMoveCursor);
      }
      return true;
    }
    case QEvent::MouseButtonRelease: {
      auto* mouse = static_cast<QMouseEvent*>(event);
      if (mouse->button() != Qt::RightButton || pressed_ != number) return false;
      EndDrag(number, button, mouse->globalPosition().toPoint());
      return true;
    }
    default: return false;
  }
}

void WindowInput::EndDrag(int number, QWidget* button, QPoint at) {
  const bool dragged = dragging_;
  pressed_ = 0;
  dragging_ = false;
  if (dragged) QApplication::restoreOverrideCursor();
  const int target = dragged ? form_.ButtonAt(at) : -1;
  if (target > 0) {
    parts_->menus.Buttons().ButtonDragDrop(number, target);
    return;
  }
  const QPoint topLeft = button->mapToGlobal(QPoint(0, 0));
  parts_->menus.Buttons().ButtonEndDrag(number, Point{at.x(), at.y()},
                                        Rect{topLeft.x(), topLeft.y(), button->width(), button->height()});
}

}  // namespace cvd::ui
