#pragma once
// The toplevel windows the compositor announced, as the windows port sees
// them: which one is active, their titles and app_ids, and which are ours.
// Kept apart from the protocol so the rules can be tested without one.
#include <cstdint>
#include <map>
#include <string>
#include <vector>

#include "core/ports/Windows.h"

namespace cvd::wayland {

// The protocol's toplevel states (zwlr_foreign_toplevel_handle_v1.state).
enum ToplevelState : std::uint32_t { kMaximized = 0, kMinimized = 1, kActivated = 2, kFullscreen = 3 };

class ToplevelList {
 public:
  // `ownAppIds`: the app_ids (X11 classes on XWayland) of our own windows,
  // matched without regard to case.
  explicit ToplevelList(std::vector<std::string> ownAppIds) : ownAppIds_(std::move(ownAppIds)) {}

  WindowId Add();
  // Changes arrive one by one and count from the next Done.
  void SetTitle(WindowId window, std::string title) { Find(window).pending.title = std::move(title); }
  void SetAppId(WindowId window, std::string appId) { Find(window).pending.appId = std::move(appId); }
  void SetStates(WindowId window, const std::vector<std::uint32_t>& states);
  void Done(WindowId window);
  void Remove(WindowId window);

  // The active window, or 0: the last one that became active and still is.
  WindowId Active() const { return active_; }
  std::string Title(WindowId window) const;
  std::string AppId(WindowId window) const;
  bool IsMinimized(WindowId window) const;
  bool IsOurs(WindowId window) const;

 private:
  struct Shown {
    std::string title, appId;
    bool activated = false, minimized = false;
  };
  struct Entry {
    Shown shown, pending;
  };
  Entry& Find(WindowId window) { return windows_[window]; }
  const Shown* Get(WindowId window) const;

  std::vector<std::string> ownAppIds_;
  std::map<WindowId, Entry> windows_;
  WindowId next_ = 1;
  WindowId active_ = 0;
};

}  // namespace cvd::wayland
