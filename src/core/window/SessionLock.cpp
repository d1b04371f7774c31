#include "core/window/SessionLock.h"

namespace cvd {

void SessionLock::StartUp(bool showOnStart, bool locked) {
  locked_ = locked;
  if (!showOnStart) return;
  if (locked) {
    wasVisible_ = true;
    if (ui_.ButtonWindowVisible()) window_.CloseButtonWindow();
  } else {
    window_.ShowButtonWindow();
  }
}

void SessionLock::LockChanged(bool locked) {
  // A repeated notice must not overwrite what the first one remembered.
  if (locked == locked_) return;
  locked_ = locked;
  if (locked) {
    wasVisible_ = ui_.ButtonWindowVisible();
    if (wasVisible_) window_.CloseButtonWindow();
    return;
  }
  const bool show = wasVisible_ && !ui_.ButtonWindowVisible();
  wasVisible_ = false;
  if (show) restore_();
}

}  // namespace cvd
