#pragma once
// Waiting for the user to activate a window after a notice ("click OK and
// DIRECTLY after that on the window ..."): every 50 ms the window in front
// is looked at; the first that is neither the one in front when the wait
// began nor one of ours is offered. Escape ends the wait without a window.
#include <functional>
#include <memory>

#include "core/ports/EventLoop.h"
#include "core/ports/Keyboard.h"
#include "core/ports/Windows.h"

namespace cvd {

class WindowPick {
 public:
  WindowPick(EventLoop& loop, Windows& windows, Keyboard& keyboard);
  ~WindowPick();

  // `picked` gets the window and answers whether it ends the wait (false:
  // the window is passed over and the user may pick another); `cancelled`
  // runs when Escape ends the wait.
  void Start(std::function<bool(WindowId)> picked, std::function<void()> cancelled = {});
  void Cancel();
  bool Waiting() const { return waiting_; }

 private:
  void Step();

  Windows& windows_;
  Keyboard& keyboard_;
  std::unique_ptr<Timer> timer_;
  bool waiting_ = false;
  WindowId from_ = 0;
  std::function<bool(WindowId)> picked_;
  std::function<void()> cancelled_;
};

}  // namespace cvd
