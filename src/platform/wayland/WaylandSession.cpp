#include "platform/wayland/WaylandSession.h"

#include "core/log/Log.h"
#include "platform/wayland/WaylandClipboard.h"
#include "platform/wayland/WaylandConnection.h"

namespace cvd::wayland {

WaylandSession::WaylandSession() = default;

WaylandSession::~WaylandSession() {
  clipboard_.reset();
  connection_.reset();
}

void WaylandSession::Install(Ports& ports, PlatformPaths& paths) {
  connection_ = WaylandConnection::Open();
  if (!connection_) return;
  const Globals& offered = connection_->Offered();
  if (WaylandClipboard::Usable(*connection_)) {
    clipboard_ = std::make_unique<WaylandClipboard>(*connection_, *ports.clipboard);
    ports.clipboard = clipboard_.get();
    paths.capture = paths.paste = "wayland:" + offered.dataControlName;
  } else {
    LogWarning("wayland", "the compositor offers no data-control: copies are read through XWayland");
    paths.notices.push_back(
        "This desktop gives other programs no access to its clipboard (no data-control protocol): copies are "
        "captured only while an X11 window has the focus.");
  }
}

}  // namespace cvd::wayland
