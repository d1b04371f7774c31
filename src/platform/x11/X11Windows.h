#pragma once
// The windows port on X11: the active window from the window manager
// (EWMH), titles, states and the program behind a window.
#include <unistd.h>

#include <functional>
#include <memory>

#include "core/ports/Windows.h"

typedef struct _XDisplay Display;

namespace cvd::x11 {

class X11WindowWatch;

class X11Windows : public Windows {
 public:
  // `display` is Qt's connection; null off X11 (every query then answers "none").
  explicit X11Windows(Display* display, pid_t ownPid = getpid());

  WindowId Foreground() override;
  std::string Title(WindowId window) override;
  bool IsMinimized(WindowId window) override;
  bool IsOurs(WindowId window) override;
  std::string ExecutableName(WindowId window) override;
  std::string ClassName(WindowId window) override;
  std::vector<std::string> ClassParts(WindowId window) override;
  bool Activate(WindowId window) override;
  WindowId WindowUnderPointer() override;
  // Notices come from the X server while a window manager runs (X11WindowWatch.cpp).
  bool SetChangeHandler(std::function<void()> onChange) override;

  // The display Qt uses, or null.
  static Display* QtDisplay();

 private:
  bool WindowManagerRunning();
  WindowId ClientWindowOf(WindowId window);
  long Pid(WindowId window);
  // Panels and docks of the desktop, never a target.
  bool IsDock(WindowId window);

  Display* display_;
  pid_t ownPid_;
  std::shared_ptr<X11WindowWatch> watch_;
};

}  // namespace cvd::x11
