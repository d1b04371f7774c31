#pragma once
// The button window: the group selector and one button control per button
// of the current group. It shows what the engine lays out and passes the
// user's actions back to it.
#include <QWidget>
#include <cstdint>
#include <optional>
#include <vector>

#include "core/data/Colors.h"
#include "core/window/Layout.h"
#include "ui/ViewParts.h"

class QComboBox;
class QLineEdit;
class QPushButton;
class QToolButton;
class QAction;

namespace cvd::ui {

class CaptionBar;
class CaptionMenu;
class WindowInput;
class TBitBtnWithColor;

class TMainForm : public QWidget {
  Q_OBJECT
 public:
  // Called with the native window once it exists and before it is first
  // shown, for window-manager hints the platform layer sets.
  using PrepareNativeWindow = void (*)(std::uint64_t window);
  explicit TMainForm(PrepareNativeWindow prepareNativeWindow = nullptr);
  // Child widgets still send events to the input filter while QWidget's
  // destructor deletes them; by then this form's own part is gone.
  ~TMainForm() override;
  void SetParts(ButtonWindowParts parts);

  void ApplyLayout(const WindowLayout& layout);
  void SetCaptionColor(int button, TColor color);
  void SetButtonCaption(int button, const QString& caption);
  void SetClientSize(int width, int height);
  QSize ClientSize() const;
  // The visible button control under the mouse pointer, or -1.
  int ButtonUnderPointer() const;
  // The visible button control at a screen point, or -1.
  int ButtonAt(const QPoint& global) const;
  // Right-button work: menus, group steps, drags.
  WindowInput* Input() const { return input_; }
  QFont ButtonFont() const { return buttonFont_; }
  // Shows the window without taking the focus.
  void ShowWithoutActivating();

  // The control of a laid-out button, made now if it has not been shown
  // yet; past the layout, a control made for an earlier group, or null.
  TBitBtnWithColor* ButtonControl(int number);
  // Buttons of the current layout.
  int ButtonControlCount() const { return laidOut_; }
  CaptionBar* Caption() const { return caption_; }
  CaptionMenu* CaptionCommands() const { return captionMenu_; }

  QLineEdit* GroupBox = nullptr;
  QToolButton* GroupButton = nullptr;
  QComboBox* GroupList = nullptr;
  QPushButton* Dummy = nullptr;

 protected:
  void moveEvent(QMoveEvent* event) override;
  void showEvent(QShowEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;
  // Typing a letter picks a group by its first letter.
  void keyPressEvent(QKeyEvent* event) override;

 private:
  void GroupButtonClick();
  // Shows the laid-out buttons that lie on a screen and hides the rest: a
  // group of a thousand buttons makes a window far taller than the display,
  // and only what can be seen is worth painting. A control is made when its
  // button first comes onto a screen; made ones are only ever hidden.
  void RevealButtons();
  TBitBtnWithColor* MakeControl(int number);
  void ApplyCell(TBitBtnWithColor* button, const ButtonCell& cell);
  // The control of button `number` if it has been made.
  TBitBtnWithColor* MadeControl(int number) const;
  void ButtonPressed(int number, Qt::MouseButton button);

  std::optional<ButtonWindowParts> parts_;
  PrepareNativeWindow prepareNativeWindow_ = nullptr;
  CaptionBar* caption_ = nullptr;
  CaptionMenu* captionMenu_ = nullptr;
  WindowInput* input_ = nullptr;
  class ClientArea;
  ClientArea* client_ = nullptr;
  QFont buttonFont_;
  int laidOut_ = 0;                          // buttons of the current layout
  std::vector<ButtonCell> cells_;            // by button number; slot 0 unused
  std::vector<TBitBtnWithColor*> controls_;  // by button number; null until made
  bool updatingList_ = false;
};

}  // namespace cvd::ui
