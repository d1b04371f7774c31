#pragma once
// The button window as a humble view: the core lays it out, shows, hides,
// fades and moves it, and asks where the pointer is over it.
#include <functional>
#include <string>

#include "core/ports/WindowLayout.h"
#include "core/util/ColorValue.h"
#include "core/util/Geometry.h"

namespace cvd {

// The name, hint and text of a button as a dialog edits them.
struct ButtonFields {
  std::string name;
  std::string hint;
  std::string text;
  bool operator==(const ButtonFields&) const = default;
};

class ButtonWindowView {
 public:
  virtual ~ButtonWindowView() = default;

  // Screen sizes for placing windows whose positions were stored.
  virtual ScreenGeometry Screen() = 0;

  virtual void ApplyLayout(const WindowLayout& layout) = 0;
  virtual void SetCaptionColor(int button, TColor color) = 0;
  virtual void SetButtonCaption(int button, const std::string& caption) = 0;
  virtual void ShowButtonWindow() = 0;
  virtual void HideButtonWindow() = 0;
  virtual bool ButtonWindowVisible() = 0;
  virtual void SetOpacity(int alpha) = 0;
  virtual int Opacity() = 0;
  // Rolled up: only the group selector shows.
  virtual void SetClientSize(Size size) = 0;
  virtual Rect ButtonWindowFrame() = 0;
  virtual void MoveButtonWindow(Point topLeft) = 0;
  // The work area of the display that holds the button window.
  virtual Rect DisplayOfButtonWindow() = 0;
  virtual Point PointerPosition() = 0;
  // The visible button under the pointer, or -1.
  virtual int ButtonUnderPointer() = 0;
  // Focus of the button window: with `on`, clicks never activate it.
  virtual void SetNoActivate(bool on) = 0;
  // The button menu at a screen point.
  virtual void PopupButtonMenu(Point where) = 0;
  // Idle at rest: the view tells when the pointer enters or leaves the
  // button window; an empty function ends that.
  virtual void SetPointerHandler(std::function<void(bool inside)> handler) = 0;
  // The clipboard history is paused (or runs again): the window says so.
  virtual void ShowPaused(bool /*paused*/) {}
};

}  // namespace cvd
