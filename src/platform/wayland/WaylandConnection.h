#pragma once
// A connection of our own to the Wayland compositor, beside Qt's X11 one
// (the button window stays on XWayland). It binds the globals the Wayland
// ports use and runs on Qt's event loop: the display's socket wakes it, and
// what the ports asked for is flushed before the loop sleeps.
#include <QObject>
#include <cstdint>
#include <memory>
#include <string>

struct wl_display;
struct wl_registry;
struct wl_seat;
struct zwlr_data_control_manager_v1;
struct zwlr_foreign_toplevel_manager_v1;
struct zwp_virtual_keyboard_manager_v1;
class QSocketNotifier;

namespace cvd::wayland {

// The globals a compositor offers that this program can use.
struct Globals {
  wl_seat* seat = nullptr;
  // The data-control manager: ext_data_control_manager_v1 where offered,
  // else zwlr_data_control_manager_v1 (version 2); both speak the same
  // requests and events, so one set of calls drives either.
  zwlr_data_control_manager_v1* dataControl = nullptr;
  std::string dataControlName;
  zwlr_foreign_toplevel_manager_v1* toplevels = nullptr;
  zwp_virtual_keyboard_manager_v1* virtualKeyboards = nullptr;
};

// Binds what `display` offers into `globals` (one round trip).
void BindGlobals(wl_display* display, wl_registry*& registry, Globals& globals);
void DestroyGlobals(wl_registry*& registry, Globals& globals);

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
