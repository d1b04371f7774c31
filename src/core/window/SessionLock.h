#pragma once
// The button window while the screen is locked: hidden, and shown again on
// unlock when it was shown before.
#include <functional>

#include "core/ports/ButtonWindowView.h"
#include "core/window/ButtonWindow.h"

namespace cvd {

class SessionLock {
 public:
  // `restore` shows the window again as a click on the tray icon does.
  SessionLock(ButtonWindowView& ui, ButtonWindow& window, std::function<void()> restore)
      : ui_(ui), window_(window), restore_(std::move(restore)) {}

  // Start-up: a window meant to show stays hidden until the session is unlocked.
  void StartUp(bool showOnStart, bool locked);
  void LockChanged(bool locked);

  bool Locked() const { return locked_; }
  // The window was shown when the lock hid it.
  bool WasVisible() const { return wasVisible_; }

 private:
  ButtonWindowView& ui_;
  ButtonWindow& window_;
  std::function<void()> restore_;
  bool locked_ = false;
  bool wasVisible_ = false;
};

}  // namespace cvd
