#include "ui/EditorList.h"

#include <QContextMenuEvent>
#include <QDragEnterEvent>
#include <QKeyEvent>
#include <QScrollBar>
#include <QTimer>
#include <QWheelEvent>

namespace cvd::ui {

EditorList::EditorList(QWidget* parent) : QListWidget(parent) {
  setSelectionMode(QAbstractItemView::SingleSelection);
  setDragEnabled(true);
  setAcceptDrops(true);
  setDragDropMode(QAbstractItemView::DragDrop);
  setDefaultDropAction(Qt::CopyAction);
  setMouseTracking(true);
  setVerticalScrollMode(QAbstractItemView::ScrollPerItem);
}

void EditorList::SetDropHandler(std::function<bool(QObject*)> accepts, std::function<void(QObject*, int)> drop) {
  accepts_ = std::move(accepts);
  drop_ = std::move(drop);
}

void EditorList::Refill(const QStringList& items, int selected) {
  const int scroll = verticalScrollBar()->value();
  const QSignalBlocker block(this);
  clear();
  addItems(items);
  if (selected >= 0 && selected < count()) setCurrentRow(selected);
  verticalScrollBar()->setValue(scroll);
}

void EditorList::dragEnterEvent(QDragEnterEvent* event) {
  if (accepts_ && accepts_(event->source())) {
    event->setDropAction(Qt::CopyAction);
    event->accept();
  } else {
    event->ignore();
  }
}

void EditorList::dragMoveEvent(QDragMoveEvent* event) {
  if (accepts_ && accepts_(event->source())) {
    event->setDropAction(Qt::CopyAction);
    event->accept();
  } else {
    event->ignore();
  }
}

void EditorList::dropEvent(QDropEvent* event) {
  if (!accepts_ || !accepts_(event->source())) return event->ignore();
  const int row = indexAt(event->position().toPoint()).row();
  QObject* source = event->source();
  event->setDropAction(Qt::CopyAction);
  event->accept();
  // After the drag has ended: the handler fills the lists again.
  QTimer::singleShot(0, this, [this, source, row] {
    if (drop_) drop_(source, row);
  });
}

void EditorList::keyPressEvent(QKeyEvent* event) {
  const bool up = event->key() == Qt::Key_Up, down = event->key() == Qt::Key_Down;
  if ((event->modifiers() & Qt::ControlModifier) && (up || down) && move_) {
    move_(up ? -1 : 1);
    return;
  }
  QListWidget::keyPressEvent(event);
  // Enter opens the item (activated); it must not reach the dialog's buttons too.
  if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) event->accept();
}

}  // namespace cvd::ui

namespace cvd::ui {

void EditorList::contextMenuEvent(QContextMenuEvent* event) {
  if (!menu_) return QListWidget::contextMenuEvent(event);
  const bool keyboard = event->reason() == QContextMenuEvent::Keyboard && currentIndex().isValid();
  // A mouse's menu event comes through the viewport, in its coordinates.
  menu_(keyboard ? visualRect(currentIndex()).center() : event->pos());
}

// One row per wheel notch.
void EditorList::wheelEvent(QWheelEvent* event) {
  const int notches = event->angleDelta().y() / 120;
  verticalScrollBar()->setValue(verticalScrollBar()->value() - notches);
  event->accept();
}

}  // namespace cvd::ui
