#include "core/target/TargetTracker.h"
#include "core/log/Log.h"

namespace cvd {

void TargetTracker::TrackTarget() {
  try {
    const WindowId foreground = windows_.Foreground();
    if (foreground == 0 || windows_.IsOurs(foreground) || windows_.IsMinimized(foreground)) return;
    const std::string title = windows_.Title(foreground);
    if (foreground == lastTarget_ && (title.empty() || title == lastTargetTitle_)) return;
    const bool newWindow = foreground != lastTarget_;
    if (newWindow) {
      lastTarget_ = foreground;
      lastTargetExe_ = windows_.ExecutableName(foreground);
    }
    const bool newTitle = !title.empty() && title != lastTargetTitle_;
    if (newTitle) lastTargetTitle_ = title;
    if (monitor_ && (newWindow || newTitle)) {
      monitor_(newWindow ? lastTargetExe_ : std::string(), newTitle ? title : std::string(), newWindow);
    }
  } catch (...) {
    // A window that vanished mid-tick is simply skipped.
    LogWarning("target", "tracking the active window failed: " + CurrentExceptionText());
  }
}

}  // namespace cvd
