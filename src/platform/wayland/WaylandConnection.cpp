#include "platform/wayland/WaylandConnection.h"

#include <wayland-client.h>

#include <poll.h>

#include <QAbstractEventDispatcher>
#include <QCoreApplication>
#include <QSocketNotifier>
#include <cerrno>
#include <cstdlib>
#include <cstring>

#include "core/log/Log.h"
#include "virtual-keyboard-unstable-v1-client.h"
#include "wlr-data-control-unstable-v1-client.h"
#include "wlr-foreign-toplevel-management-unstable-v1-client.h"

namespace cvd::wayland {
namespace {

// The ext protocol is the wlroots one under new names: the same interface
// description with the ext name lets the registry bind it.
const wl_interface& ExtDataControlInterface() {
  static const wl_interface ext = [] {
    wl_interface copy = zwlr_data_control_manager_v1_interface;
    copy.name = "ext_data_control_manager_v1";
    copy.version = 1;
    return copy;
  }();
  return ext;
}

// CORVINADE_WAYLAND_IGNORE names globals (comma-separated) to leave
// unbound: their ports stay on X11, as where a compositor lacks them, for
// a compositor whose protocol misbehaves.
bool Ignored(const std::string& global) {
  const char* list = std::getenv("CORVINADE_WAYLAND_IGNORE");
  if (!list) return false;
  const std::string names = std::string(",") + list + ",";
  return names.find("," + global + ",") != std::string::npos;
}

void OnGlobal(void* data, wl_registry* registry, std::uint32_t name, const char* interface, std::uint32_t version) {
  auto& globals = *static_cast<Globals*>(data);
  const std::string offered = interface;
  if (Ignored(offered)) return;
  auto bind = [&](const wl_interface& what, std::uint32_t wanted) {
    return wl_registry_bind(registry, name, &what, std::min(version, wanted));
  };
  if (offered == "wl_seat" && !globals.seat) {
    globals.seat = static_cast<wl_seat*>(bind(wl_seat_interface, 1));
  } else if (offered == "ext_data_control_manager_v1") {
    if (globals.dataControl) zwlr_data_control_manager_v1_destroy(globals.dataControl);
    globals.dataControl = static_cast<zwlr_data_control_manager_v1*>(bind(ExtDataControlInterface(), 1));
    globals.dataControlName = offered;
  } else if (offered == "zwlr_data_control_manager_v1" && version >= 2 && globals.dataControlName.empty()) {
    globals.dataControl = static_cast<zwlr_data_control_manager_v1*>(bind(zwlr_data_control_manager_v1_interface, 2));
    globals.dataControlName = offered;
  } else if (offered == "zwlr_foreign_toplevel_manager_v1" && !globals.toplevels) {
    globals.toplevels =
        static_cast<zwlr_foreign_toplevel_manager_v1*>(bind(zwlr_foreign_toplevel_manager_v1_interface, 3));
  } else if (offered == "zwp_virtual_keyboard_manager_v1" && !globals.virtualKeyboards) {
    globals.virtualKeyboards =
        static_cast<zwp_virtual_keyboard_manager_v1*>(bind(zwp_virtual_keyboard_manager_v1_interface, 1));
  }
}

void OnGlobalRemove(void*, wl_registry*, std::uint32_t) {}

const wl_registry_listener kRegistryListener = {OnGlobal, OnGlobalRemove};

}  // namespace

void BindGlobals(wl_display* display, wl_registry*& registry, Globals& globals) {
  registry = wl_display_get_registry(display);
  wl_registry_add_listener(registry, &kRegistryListener, &globals);
  wl_display_roundtrip(display);
}

void DestroyGlobals(wl_registry*& registry, Globals& globals) {
  if (globals.virtualKeyboards) zwp_virtual_keyboard_manager_v1_destroy(globals.virtualKeyboards);
  if (globals.toplevels) zwlr_foreign_toplevel_manager_v1_destroy(globals.toplevels);
  if (globals.dataControl) zwlr_data_control_manager_v1_destroy(globals.dataControl);
  if (globals.seat) wl_seat_destroy(globals.seat);
  if (registry) wl_registry_destroy(registry);
  globals = {};
  registry = nullptr;
}

std::unique_ptr<WaylandConnection> WaylandConnection::Open() {
  const char* name = std::getenv("WAYLAND_DISPLAY");
  if (!name || !*name) return nullptr;
  wl_display* display = wl_display_connect(nullptr);
  if (!display) {
    LogWarning("wayland", std::string("no compositor answers on WAYLAND_DISPLAY=") + name + " (" +
                              std::strerror(errno) + "): X11 serves everything");
    return nullptr;
  }
  std::unique_ptr<WaylandConnection> connection(new WaylandConnection(display));
  const Globals& g = connection->globals_;
  LogInfo("wayland", std::string("connected to ") + name + "; seat: " + (g.seat ? "yes" : "no") +
                         ", data control: " + (g.dataControl ? g.dataControlName : "none") + ", foreign toplevels: " +
                         (g.toplevels ? "yes" : "no") + ", virtual keyboard: " + (g.virtualKeyboards ? "yes" : "no"));
  return connection;
}

WaylandConnection::WaylandConnection(wl_display* display) : display_(display) {
  BindGlobals(display_, registry_, globals_);
  notifier_ = std::make_unique<QSocketNotifier>(wl_display_get_fd(display_), QSocketNotifier::Read);
  QObject::connect(notifier_.get(), &QSocketNotifier::activated, this, [this] { Readable(); });
  // Requests the ports make are sent before the loop sleeps, and events a
  // round trip read but did not hand out are handed out.
  if (QAbstractEventDispatcher* dispatcher = QAbstractEventDispatcher::instance()) {
    QObject::connect(dispatcher, &QAbstractEventDispatcher::aboutToBlock, this, [this] {
      if (Broken()) return;
      wl_display_dispatch_pending(display_);
      Flush();
    });
  }
}

WaylandConnection::~WaylandConnection() {
  notifier_.reset();
  DestroyGlobals(registry_, globals_);
  wl_display_flush(display_);
  wl_display_disconnect(display_);
}

bool WaylandConnection::Broken() {
  const int error = wl_display_get_error(display_);
  if (error == 0) return false;
  if (!brokenTold_) {
    brokenTold_ = true;
    LogWarning("wayland", std::string("the connection to the compositor broke: ") + std::strerror(error));
    if (notifier_) notifier_->setEnabled(false);
  }
  return true;
}

bool WaylandConnection::Flush() {
  if (Broken()) return false;
  // A full socket empties as the compositor reads; one that stays full for
  // a second means a compositor that no longer reads.
  for (int tries = 0; wl_display_flush(display_) < 0; ++tries) {
    if (errno != EAGAIN) return !Broken();
    pollfd writable = {wl_display_get_fd(display_), POLLOUT, 0};
    if (tries == 10 || poll(&writable, 1, 100) < 0) {
      LogWarning("wayland", "the compositor takes no more requests; some were not sent");
      return false;
    }
  }
  return true;
}

bool WaylandConnection::Roundtrip() { return !Broken() && wl_display_roundtrip(display_) >= 0 && !Broken(); }

void WaylandConnection::Readable() {
  if (Broken()) return;
  while (wl_display_prepare_read(display_) != 0) wl_display_dispatch_pending(display_);
  wl_display_flush(display_);
  if (wl_display_read_events(display_) < 0) {
    Broken();
    return;
  }
  wl_display_dispatch_pending(display_);
  Flush();
}

}  // namespace cvd::wayland
