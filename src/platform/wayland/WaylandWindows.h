#pragma once
// The windows port through the compositor's foreign-toplevel protocol:
// every program's windows, Wayland and XWayland alike, the active one, its
// title and app_id, and activation of the paste's target.
#include <functional>
#include <map>

#include "core/ports/Windows.h"
#include "platform/wayland/ToplevelList.h"

struct zwlr_foreign_toplevel_handle_v1;

namespace cvd::wayland {

class WaylandConnection;

class WaylandWindows : public Windows {
 public:
  // Needs the connection's seat and foreign-toplevel manager (see Usable).
  WaylandWindows(WaylandConnection& connection, std::vector<std::string> ownAppIds);
  ~WaylandWindows() override;
  static bool Usable(const WaylandConnection& connection);

  // Panels and docks are no toplevels here, so never the foreground.
  WindowId Foreground() override { return list_.Active(); }
  std::string Title(WindowId window) override { return list_.Title(window); }
  bool IsMinimized(WindowId window) override { return list_.IsMinimized(window); }
  bool IsOurs(WindowId window) override { return list_.IsOurs(window); }
  // Wayland names no program file: the app_id stands in for it.
  std::string ExecutableName(WindowId window) override { return list_.AppId(window); }
  std::string ClassName(WindowId window) override { return list_.AppId(window); }
  bool Activate(WindowId window) override;
  // The compositor does not tell where the pointer is.
  WindowId WindowUnderPointer() override { return 0; }
  bool SetChangeHandler(std::function<void()> onChange) override;

 private:
  struct Handle;
  void Changed();

  WaylandConnection& connection_;
  ToplevelList list_;
  std::map<WindowId, zwlr_foreign_toplevel_handle_v1*> handles_;
  std::function<void()> onChange_;
};

}  // namespace cvd::wayland
