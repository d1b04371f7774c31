#pragma once
// The Wayland side of a Wayland session: the ports the compositor can
// serve replace the X11 ones, port by port; XWayland serves the rest.
#include <memory>

#include "core/app/PlatformPaths.h"
#include "core/ports/Ports.h"
#include "core/ports/RemoteDesktop.h"

namespace cvd {
class AssignedTriggers;
class PortalKeyboard;
namespace portal {
class PortalRemoteDesktop;
class PortalGlobalShortcuts;
}  // namespace portal
}  // namespace cvd

namespace cvd::wayland {

class WaylandConnection;
class WaylandClipboard;
class WaylandKeyboard;
class WaylandWindows;

class WaylandSession {
 public:
  WaylandSession();
  ~WaylandSession();
  WaylandSession(const WaylandSession&) = delete;
  WaylandSession& operator=(const WaylandSession&) = delete;

  // Connects when $WAYLAND_DISPLAY is set; puts the ports the compositor
  // serves into `ports` (which holds the X11 ones: the Wayland ports fall
  // back on them where they must) and names every port's path in `paths`, with a
  // notice for what the user loses. Off Wayland nothing changes.
  void Install(Ports& ports, PlatformPaths& paths);
  // Where the desktop portal's grant to type is kept, when keys go through
  // the portal (the settings are read after Install).
  void SetPortalTokenStore(RestoreTokenStore store);
  // Where the triggers are kept that the desktop assigns, when it holds the shortcut keys.
  void SetAssignedTriggers(AssignedTriggers& assigned);

 private:
  std::unique_ptr<WaylandConnection> connection_;
  std::unique_ptr<WaylandClipboard> clipboard_;
  std::unique_ptr<WaylandWindows> windows_;
  std::unique_ptr<WaylandKeyboard> keyboard_;
  std::unique_ptr<portal::PortalRemoteDesktop> remoteDesktop_;
  std::unique_ptr<PortalKeyboard> portalKeyboard_;
  std::unique_ptr<portal::PortalGlobalShortcuts> shortcuts_;
};

}  // namespace cvd::wayland
