#include "core/fade/Fader.h"

#include "core/fade/FadeOptions.h"

namespace cvd {

namespace {
constexpr int kMinuteMs = 60000;
// The whole fade, from opaque down to the chosen level, lasts about this long.
constexpr int kFadeDurationMs = 2000;
}  // namespace

Fader::Fader(EventLoop& loop, ButtonWindowView& ui, const Settings& settings, ButtonWindow& window)
    : ui_(ui), settings_(settings), window_(window) {
  fadeTimer_ = loop.CreateTimer(kMinuteMs, false, [this] { FadeTimerTimer(); });
}

void Fader::SetOpacity(int alpha) {
  opacity_ = alpha;
  ui_.SetOpacity(alpha);
}

void Fader::ResetFadeTimer() {
  const int minutes = FadeMinutes(settings_);
  fadeTimer_->SetInterval(minutes * kMinuteMs);
  SetOpacity(255);
  fading_ = false;
  if (minutes == 0) {
    // No idle time: the window stays as it is.
    fadeTimer_->Stop();
    return;
  }
  if (AutoHideOn(settings_)) fadeTimer_->Start();
}

void Fader::EnableIdleTimer(bool on) {
  const int interval = FadeMinutes(settings_) * kMinuteMs;
  // The idle time may have been changed in the dialog.
  if (fadeTimer_->Interval() != interval) fadeTimer_->SetInterval(interval);
  // An idle time of 0 keeps the window as it is.
  if (!on || interval == 0) {
    fadeTimer_->Stop();
  } else if (!fadeTimer_->IsActive()) {
    fadeTimer_->Start();
  }
}

void Fader::FadeTimerTimer() {
  if (fading_) {
    SetOpacity(opacity_ - 1);
    // The level may have been raised while fading: stop at or below it.
    if (opacity_ <= FadeLevel(settings_)) fadeTimer_->Stop();
    return;
  }
  if (settings_.FadeOutOption) {
    fadeTimer_->Stop();
    fadeTimer_->SetInterval(kFadeDurationMs / (256 - FadeLevel(settings_)));
    fading_ = true;
    fadeTimer_->Start();
  } else if (settings_.RollupOption) {
    window_.ShowRolledUp();
    fadeTimer_->Start();
  } else if (settings_.MinimizeOption) {
    window_.CloseButtonWindow();
    fadeTimer_->Start();
  }
}

void Fader::RollUp() {
  if (!window_.RolledUp()) {
    window_.ShowRolledUp();
    return;
  }
  window_.Display();
  ResetFadeTimer();
}

void Fader::Restore() {
  ResetFadeTimer();
  if (!ui_.ButtonWindowVisible()) window_.ShowButtonWindow();
  if (window_.RolledUp()) RollUp();
}

}  // namespace cvd
