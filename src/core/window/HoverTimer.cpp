#include "core/window/HoverTimer.h"

namespace cvd {

HoverTimer::HoverTimer(EventLoop& loop, Windows& windows, ButtonWindowView& ui, std::function<void()> hintStep,
                       std::function<void()> trackStep)
    : windows_(windows), ui_(ui), hintStep_(std::move(hintStep)), trackStep_(std::move(trackStep)) {
  timer_ = loop.CreateTimer(100, false, [this] {
    hintStep_();
    if (!byNotices_) trackStep_();
  });
}

HoverTimer::~HoverTimer() { Stop(); }

void HoverTimer::Start() {
  started_ = true;
  byNotices_ = windows_.SetChangeHandler([this] {
    if (started_) trackStep_();
  });
  ui_.SetPointerHandler([this](bool inside) { PointerInside(inside); });
  trackStep_();
  Update();
}

void HoverTimer::Stop() {
  if (!started_) return;
  started_ = false;
  windows_.SetChangeHandler({});
  ui_.SetPointerHandler({});
  Update();
}

void HoverTimer::PointerInside(bool inside) {
  inside_ = inside;
  // One more step on the way out hides a hint that is showing.
  if (!inside && started_) hintStep_();
  Update();
}

void HoverTimer::Update() {
  const bool wanted = started_ && (inside_ || !byNotices_);
  if (wanted && !timer_->IsActive()) timer_->Start();
  if (!wanted && timer_->IsActive()) timer_->Stop();
}

}  // namespace cvd
