#pragma once
// A list of the button editor that takes drops by row and moves its
// selected item with Ctrl+Up / Ctrl+Down, so that drag and drop has a
// keyboard way too. Items are never moved by the list itself: the editor
// changes the table and the form fills the list again.
#include <QListWidget>
#include <functional>

namespace cvd::ui {

class EditorList : public QListWidget {
  Q_OBJECT
 public:
  explicit EditorList(QWidget* parent);
  // Which lists may drop here; `row` is the item under the drop (-1 below the last).
  void SetDropHandler(std::function<bool(QObject* source)> accepts, std::function<void(QObject* source, int row)> drop);
  void SetMoveHandler(std::function<void(int delta)> move) { move_ = std::move(move); }
  // The pop-up menu at a point of the viewport: under the mouse, or at the
  // current item when asked for from the keyboard.
  void SetMenuHandler(std::function<void(const QPoint& where)> menu) { menu_ = std::move(menu); }
  // Fills the list keeping its scroll position.
  void Refill(const QStringList& items, int selected);

 protected:
  void dragEnterEvent(QDragEnterEvent* event) override;
  void dragMoveEvent(QDragMoveEvent* event) override;
  void dropEvent(QDropEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void wheelEvent(QWheelEvent* event) override;
  void contextMenuEvent(QContextMenuEvent* event) override;

 private:
  std::function<bool(QObject*)> accepts_;
  std::function<void(QObject*, int)> drop_;
  std::function<void(int)> move_;
  std::function<void(const QPoint&)> menu_;
};

}  // namespace cvd::ui
