#include "core/target/WindowPick.h"

namespace cvd {

namespace {
constexpr int kStepMs = 50;
}  // namespace

WindowPick::WindowPick(EventLoop& loop, Windows& windows, Keyboard& keyboard)
    : windows_(windows), keyboard_(keyboard), timer_(loop.CreateTimer(kStepMs, false, [this] { Step(); })) {}

WindowPick::~WindowPick() = default;

void WindowPick::Start(std::function<bool(WindowId)> picked, std::function<void()> cancelled) {
  picked_ = std::move(picked);
  cancelled_ = std::move(cancelled);
  waiting_ = true;
  from_ = windows_.Foreground();
  timer_->Start();
}

void WindowPick::Cancel() {
  timer_->Stop();
  waiting_ = false;
}

void WindowPick::Step() {
  if (keyboard_.IsKeyDown(NamedKey::Escape)) {
    Cancel();
    if (const auto cancelled = cancelled_) cancelled();
    return;
  }
  const WindowId window = windows_.Foreground();
  // Our own windows (the notice closing, the dialog) are not the one wanted.
  if (window == 0 || window == from_ || windows_.IsOurs(window)) return;
  Cancel();
  // A copy: the answer may start the next wait.
  if (const auto picked = picked_; !picked(window)) {
    from_ = window;
    waiting_ = true;
    timer_->Start();
  }
}

}  // namespace cvd
