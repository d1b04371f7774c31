#pragma once
// Keeps private copies out of the history: a copy its password manager marks
// secret, a copy made in a program of the "never keep" list, and every copy
// while the user has paused the history. The pause ends by itself after the
// minutes of the settings, and never outlives the program.
#include <functional>
#include <memory>
#include <string>

#include "core/ports/Clipboard.h"
#include "core/ports/EventLoop.h"
#include "core/ports/Windows.h"
#include "core/privacy/PrivacyRules.h"

namespace cvd {

class CapturePrivacy {
 public:
  CapturePrivacy(Clipboard& clipboard, Windows& windows, EventLoop& loop, const PrivacySettings& settings);
  ~CapturePrivacy();

  // Why the copy on the clipboard now must not be kept; empty when it may be.
  // Asked before its text is read, so a secret is never read at all.
  std::string KeptOutReason();

  bool Paused() const { return paused_; }
  void Pause();
  void Resume();
  void TogglePause() { paused_ ? Resume() : Pause(); }
  // Told whenever the pause starts or ends.
  void SetPausedHandler(std::function<void(bool paused)> handler) { pausedChanged_ = std::move(handler); }

 private:
  void SetPaused(bool paused);

  Clipboard& clipboard_;
  Windows& windows_;
  const PrivacySettings& settings_;
  std::unique_ptr<Timer> resumeTimer_;
  std::function<void(bool)> pausedChanged_;
  bool paused_ = false;
};

}  // namespace cvd
