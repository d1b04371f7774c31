// Target tracking: the last window outside the program that the user
// worked in, where pastes go.
#include "core/app/Engine.h"

namespace cvd {

void Engine::TrackTarget() {
  Windows* windows = ports_.windows;
  if (!windows) return;
  try {
    const WindowId foreground = windows->Foreground();
    if (foreground == 0 || windows->IsOurs(foreground) || windows->IsTaskbar(foreground) ||
        windows->IsMinimized(foreground)) {
      return;
    }
    const std::string title = windows->Title(foreground);
    if (foreground == lastTarget_ && (title.empty() || title == lastTargetTitle_)) return;
    const bool newWindow = foreground != lastTarget_;
    if (newWindow) {
      lastTarget_ = foreground;
      lastTargetExe_ = windows->ExecutableName(foreground);
    }
    const bool newTitle = !title.empty() && title != lastTargetTitle_;
    if (newTitle) lastTargetTitle_ = title;
    if (monitor_ && (newWindow || newTitle)) monitor_(newWindow ? lastTargetExe_ : std::string(), newTitle ? title : std::string(), newWindow);
  } catch (...) {
    // A window that vanished mid-tick is simply skipped.
  }
}

}  // namespace cvd
