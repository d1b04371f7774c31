#include "platform/wayland/WaylandSession.h"

#include <QCoreApplication>
#include <QDBusConnection>
#include <QFileInfo>

#include <cstdlib>

#include "core/log/Log.h"
#include "core/paste/PortalKeyboard.h"
#include "core/ports/Ui.h"
#include "platform/portal/PortalGlobalShortcuts.h"
#include "platform/portal/PortalRemoteDesktop.h"
#include "platform/wayland/KeysNotice.h"
#include "platform/wayland/WaylandClipboard.h"
#include "platform/wayland/WaylandConnection.h"
#include "platform/wayland/WaylandKeyboard.h"
#include "platform/wayland/WaylandWindows.h"

namespace cvd::wayland {

WaylandSession::WaylandSession() = default;

WaylandSession::~WaylandSession() {
  shortcuts_.reset();
  portalKeyboard_.reset();
  remoteDesktop_.reset();
  keyboard_.reset();
  windows_.reset();
  clipboard_.reset();
  connection_.reset();
}

namespace {

// A protocol the compositor lacks: logged, and the user told what it costs.
void Missing(PlatformPaths& paths, const std::string& what, std::string notice) {
  LogWarning("wayland", "the compositor offers " + what);
  paths.notices.push_back(std::move(notice));
}

}  // namespace

void WaylandSession::Install(Ports& ports, PlatformPaths& paths) {
  connection_ = WaylandConnection::Open();
  if (!connection_) return;
  const Globals& offered = connection_->Offered();
  if (WaylandClipboard::Usable(*connection_)) {
    clipboard_ = std::make_unique<WaylandClipboard>(*connection_, *ports.clipboard);
    ports.clipboard = clipboard_.get();
    paths.capture = paths.paste = "wayland:" + offered.dataControlName;
  } else {
    Missing(paths, "no data-control: copies are read through XWayland",
            "This desktop gives other programs no access to its clipboard (no data-control protocol): copies are "
            "captured only while an X11 window has the focus.");
  }
  if (WaylandKeyboard::Usable(*connection_)) {
    keyboard_ = std::make_unique<WaylandKeyboard>(*connection_);
    ports.keyboard = keyboard_.get();
    paths.keys = "wayland:zwp_virtual_keyboard_manager_v1";
  } else if (portal::PortalRemoteDesktop::Offered(QDBusConnection::sessionBus())) {
    // GNOME and KDE Plasma: the desktop asks the user once, at the first paste.
    LogInfo("wayland", "the compositor offers no virtual keyboard: keys go through the remote desktop portal");
    remoteDesktop_ = std::make_unique<portal::PortalRemoteDesktop>(QDBusConnection::sessionBus());
    portalKeyboard_ = std::make_unique<PortalKeyboard>(*remoteDesktop_, *ports.loop, *ports.ui);
    ports.keyboard = portalKeyboard_.get();
    paths.keys = "portal:org.freedesktop.portal.RemoteDesktop";
  } else {
    Missing(paths, "no virtual keyboard: keys reach X11 windows only",
            "This desktop lets no program type into other windows (no virtual-keyboard protocol): a click on a button "
            "puts its text on the clipboard, and you press the paste key (Ctrl+V) in Wayland windows yourself.");
  }
  // Keys taken on XWayland work only while an X11 window has the focus; the
  // desktop's own global shortcuts work everywhere.
  if (portal::PortalGlobalShortcuts::Offered(QDBusConnection::sessionBus())) {
    shortcuts_ = std::make_unique<portal::PortalGlobalShortcuts>(QDBusConnection::sessionBus());
    ports.hotkeys = shortcuts_.get();
    paths.shortcuts = "portal:org.freedesktop.portal.GlobalShortcuts";
  } else {
    // Keys taken on XWayland arrive only while an X11 window has the focus.
    const char* desktop = std::getenv("XDG_CURRENT_DESKTOP");
    paths.notices.push_back(KeysNotice(desktop ? desktop : ""));
  }
  if (WaylandWindows::Usable(*connection_)) {
    // Our windows live on XWayland, where Qt names their class after the
    // program's file and its application name.
    std::vector<std::string> ownAppIds = {QFileInfo(QCoreApplication::applicationFilePath()).fileName().toStdString(),
                                          QCoreApplication::applicationName().toStdString()};
    windows_ = std::make_unique<WaylandWindows>(*connection_, std::move(ownAppIds));
    ports.windows = windows_.get();
    paths.windows = "wayland:zwlr_foreign_toplevel_manager_v1";
    if (clipboard_) clipboard_->SetActiveAppId([this] { return windows_->ClassName(windows_->Foreground()); });
  } else {
    Missing(paths, "no foreign-toplevel list: the active window is known only on X11",
            "This desktop does not tell other programs which window is active (no foreign-toplevel protocol): pastes "
            "go to the window that has the focus, and groups follow X11 programs only.");
  }
}

void WaylandSession::SetPortalTokenStore(RestoreTokenStore store) {
  if (portalKeyboard_) portalKeyboard_->SetTokenStore(std::move(store));
}

void WaylandSession::SetAssignedTriggers(AssignedTriggers& assigned) {
  if (shortcuts_) shortcuts_->ReportTo(assigned);
}

}  // namespace cvd::wayland
