#include "platform/wayland/WaylandSession.h"

#include <QCoreApplication>
#include <QFileInfo>

#include "core/log/Log.h"
#include "platform/wayland/WaylandClipboard.h"
#include "platform/wayland/WaylandConnection.h"
#include "platform/wayland/WaylandWindows.h"

namespace cvd::wayland {

WaylandSession::WaylandSession() = default;

WaylandSession::~WaylandSession() {
  windows_.reset();
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
  if (WaylandWindows::Usable(*connection_)) {
    // Our windows live on XWayland, where Qt names their class after the
    // program's file and its application name.
    std::vector<std::string> ownAppIds = {QFileInfo(QCoreApplication::applicationFilePath()).fileName().toStdString(),
                                          QCoreApplication::applicationName().toStdString()};
    windows_ = std::make_unique<WaylandWindows>(*connection_, std::move(ownAppIds));
    ports.windows = windows_.get();
    paths.windows = "wayland:zwlr_foreign_toplevel_manager_v1";
  } else {
    LogWarning("wayland", "the compositor offers no foreign-toplevel list: the active window is known only on X11");
    paths.notices.push_back(
        "This desktop does not tell other programs which window is active (no foreign-toplevel protocol): pastes "
        "go to the window that has the focus, and groups follow X11 programs only.");
  }
}

}  // namespace cvd::wayland
