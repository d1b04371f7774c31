#pragma once
// Target tracking: the last window outside the program that the user
// worked in, where pastes go, and the notice of each new window or title
// that group monitoring listens to.
#include <functional>
#include <string>

#include "core/ports/Windows.h"

namespace cvd {

class TargetTracker {
 public:
  // `exe` is set for a new window, `title` for a new title; the other is empty.
  using MonitorHandler = std::function<void(const std::string& exe, const std::string& title, bool newWindow)>;

  explicit TargetTracker(Windows& windows) : windows_(windows) {}

  // One step: looks at the foreground window and follows it when it is a
  // window the user works in (not ours, not a dock, not minimised).
  void TrackTarget();
  void SetMonitorHandler(MonitorHandler handler) { monitor_ = std::move(handler); }

  WindowId LastTarget() const { return lastTarget_; }
  const std::string& LastTargetTitle() const { return lastTargetTitle_; }
  const std::string& LastTargetExe() const { return lastTargetExe_; }

 private:
  Windows& windows_;
  MonitorHandler monitor_;
  WindowId lastTarget_ = 0;
  std::string lastTargetTitle_ = "Empty";
  std::string lastTargetExe_;
};

}  // namespace cvd
