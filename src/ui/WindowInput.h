#pragma once
// The button window's mouse work beyond a left click: the group menu on the
// group selector, stepping through the groups with a right press on its
// button, and the right-button drag of a button (move, gesture or menu).
#include <QObject>
#include <QPoint>

#include "ui/ViewParts.h"

namespace cvd::ui {

class TMainForm;

class WindowInput : public QObject {
  Q_OBJECT
 public:
  explicit WindowInput(TMainForm& form);
  void SetParts(const ButtonWindowParts* parts) { parts_ = parts; }
  // Every button control passes its right-button events through here.
  void AttachButton(QWidget* button);

  void PopupGroupMenu(QPoint at);
  void PopupButtonMenu(QPoint at);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  bool ButtonEvent(int number, QWidget* button, QEvent* event);
  void EndDrag(int number, QWidget* button, QPoint at);

  TMainForm& form_;
  const ButtonWindowParts* parts_ = nullptr;
  QPoint pressAt_;
  int pressed_ = 0;  // the button held with the right mouse button
  bool dragging_ = false;
};

}  // namespace cvd::ui
