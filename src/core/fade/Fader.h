#pragma once
// The button window gets out of the way when it is not used: after the idle
// minutes it fades to the chosen opacity, rolls up to its group selector or
// hides; any use brings it back at once.
#include <memory>

#include "core/ports/ButtonWindowView.h"
#include "core/ports/EventLoop.h"
#include "core/settings/Settings.h"
#include "core/window/ButtonWindow.h"

namespace cvd {

class Fader {
 public:
  // The options are read from `settings` each time they are needed.
  Fader(EventLoop& loop, ButtonWindowView& ui, const Settings& settings, ButtonWindow& window);

  // Every use of the window: opaque again, and a full idle period begins.
  void ResetFadeTimer();
  void FadeTimerTimer();
  // Rolls the window up to its group selector, or down again.
  void RollUp();
  // Brings the window back as it was before it got out of the way: opaque,
  // shown and rolled down.
  void Restore();
  void Stop() { fadeTimer_->Stop(); }
  // The setup dialog closed while the window was opaque: the idle period runs
  // exactly when `on` (a running one goes on undisturbed).
  void EnableIdleTimer(bool on);

  // Fading or faded.
  bool Fading() const { return fading_; }
  int Opacity() const { return opacity_; }

 private:
  void SetOpacity(int alpha);

  ButtonWindowView& ui_;
  const Settings& settings_;
  ButtonWindow& window_;
  std::unique_ptr<Timer> fadeTimer_;  // the idle period, or one fade step while fading
  bool fading_ = false;
  int opacity_ = 255;
};

}  // namespace cvd
