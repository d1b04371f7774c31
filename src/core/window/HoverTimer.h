#pragma once
// The 100 ms tick of the hover hint, and of target tracking where the window
// system sends no notices of a new foreground window or title. It runs only
// while it has work, so that the program costs nothing at rest: while the
// pointer is over the button window, or always when tracking must ask.
#include <functional>
#include <memory>

#include "core/ports/ButtonWindowView.h"
#include "core/ports/EventLoop.h"
#include "core/ports/Windows.h"

namespace cvd {

class HoverTimer {
 public:
  HoverTimer(EventLoop& loop, Windows& windows, ButtonWindowView& ui, std::function<void()> hintStep,
             std::function<void()> trackStep);
  ~HoverTimer();
  HoverTimer(const HoverTimer&) = delete;
  HoverTimer& operator=(const HoverTimer&) = delete;

  // Follows the foreground window from now on (one step at once) and shows
  // hints while the pointer is over the window.
  void Start();
  void Stop();
  bool Ticking() const { return timer_->IsActive(); }

 private:
  void PointerInside(bool inside);
  void Update();

  Windows& windows_;
  ButtonWindowView& ui_;
  std::function<void()> hintStep_;
  std::function<void()> trackStep_;
  std::unique_ptr<Timer> timer_;
  bool started_ = false;
  bool byNotices_ = false;
  bool inside_ = false;
};

}  // namespace cvd
