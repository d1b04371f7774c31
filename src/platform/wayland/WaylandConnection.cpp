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

namespace cvd::wayland {

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
