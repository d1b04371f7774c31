#pragma once
// The slim caption of the button window, standing in for the window
// manager's: the title, a menu and dragging to move.
#include <QWidget>

class QLabel;
class QMenu;
class QToolButton;

namespace cvd::ui {

class CaptionBar : public QWidget {
  Q_OBJECT
 public:
  explicit CaptionBar(QWidget* parent);
  QMenu* Menu() const { return menu_; }
  // While the clipboard history is paused the caption says so.
  void ShowPaused(bool paused);
  QString Title() const;
  // The window follows the pointer until the next click.
  void BeginMove();
  static constexpr int kHeight = 15;

 signals:
  void CloseRequested();
  void DoubleClicked();
  // Any press on the caption: a use of the window.
  void Pressed();

 protected:
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;
  void contextMenuEvent(QContextMenuEvent* event) override;

 private:
  QLabel* title_;
  QToolButton* close_;
  QMenu* menu_;
  QPoint dragOffset_;
  QPoint pressAt_;
  bool pressed_ = false;
  bool dragging_ = false;
  bool moving_ = false;  // "Move" from the menu
};

}  // namespace cvd::ui
