#include "core/privacy/CapturePrivacy.h"

#include <algorithm>

#include "core/log/Log.h"

namespace cvd {

CapturePrivacy::CapturePrivacy(Clipboard& clipboard, Windows& windows, EventLoop& loop, const PrivacySettings& settings)
    : clipboard_(clipboard), windows_(windows), settings_(settings) {
  resumeTimer_ = loop.CreateTimer(0, true, [this] { SetPaused(false); });
}

CapturePrivacy::~CapturePrivacy() = default;

std::string CapturePrivacy::KeptOutReason() {
  if (paused_) return "the clipboard history is paused";
  // The programs are asked first: that costs no round trip to the owner.
  if (!settings_.IgnoredPrograms.empty()) {
    const WindowId active = windows_.Foreground();
    const std::vector<std::string> classes = active != 0 ? windows_.ClassParts(active) : std::vector<std::string>{};
    if (IsIgnoredProgram(settings_.IgnoredPrograms, classes)) {
      return "it was made in a program whose copies are never kept (" + classes.back() + ")";
    }
    const std::vector<std::string> owner = clipboard_.OwnerClasses();
    if (IsIgnoredProgram(settings_.IgnoredPrograms, owner)) {
      return "its owner is a program whose copies are never kept (" + owner.back() + ")";
    }
  }
  if (MarkedSecret(clipboard_.OfferedTypes(),
                   [this](const std::string& type) { return clipboard_.OfferedData(type); })) {
    return "its program marked it as a secret";
  }
  return {};
}

void CapturePrivacy::Pause() {
  const int minutes = std::clamp(settings_.PauseMinutes, 0, kMaxPauseMinutes);
  resumeTimer_->SetInterval(minutes * 60000);
  if (minutes > 0) resumeTimer_->Start();
  SetPaused(true);
  LogInfo("clipboard", minutes > 0 ? "the clipboard history is paused for " + std::to_string(minutes) + " minutes"
                                   : "the clipboard history is paused until it is resumed");
}

void CapturePrivacy::Resume() { SetPaused(false); }

void CapturePrivacy::SetPaused(bool paused) {
  if (!paused) resumeTimer_->Stop();
  if (paused_ == paused) return;
  paused_ = paused;
  if (!paused) LogInfo("clipboard", "the clipboard history resumed");
  if (pausedChanged_) pausedChanged_(paused);
}

}  // namespace cvd
