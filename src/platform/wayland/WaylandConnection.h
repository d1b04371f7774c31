#pragma once
// A connection of our own to the Wayland compositor, beside Qt's X11 one
// (the button window stays on XWayland). It binds the globals the Wayland
// ports use and runs on Qt's event loop: the display's socket wakes it, and
// what the ports asked for is flushed before the loop sleeps.
#include <QObject>
#include <cstdint>
#include <memory>
#include <string>

#include "platform/wayland/WaylandGlobals.h"

class QSocketNotifier;

namespace cvd::wayland {

class WaylandConnection : public QObject {
 public:
  // Connects to $WAYLAND_DISPLAY; null when it is unset or no compositor
  // answers (the X11 layer then serves everything).
  static std::unique_ptr<WaylandConnection> Open();
  ~WaylandConnection() override;
  WaylandConnection(const WaylandConnection&) = delete;
  WaylandConnection& operator=(const WaylandConnection&) = delete;

  wl_display* Display() const { return display_; }
  const Globals& Offered() const { return globals_; }
  // Sends what the ports asked for; false (logged once) when the
  // connection broke.
  bool Flush();
  // Waits until the compositor has handled every request sent so far.
  bool Roundtrip();

 private:
  explicit WaylandConnection(wl_display* display);
  void Readable();
  bool Broken();

  wl_display* display_;
  wl_registry* registry_ = nullptr;
  Globals globals_;
  std::unique_ptr<QSocketNotifier> notifier_;
  bool brokenTold_ = false;
};

}  // namespace cvd::wayland
