#pragma once
// The globals of a compositor this program binds, on any connection: the
// main one, the paste owner's, and the tool's look at the session. No Qt.
#include <cstdint>
#include <string>

struct wl_display;
struct wl_registry;
struct wl_seat;
struct zwlr_data_control_manager_v1;
struct zwlr_foreign_toplevel_manager_v1;
struct zwp_virtual_keyboard_manager_v1;

namespace cvd::wayland {

// What a connection binds. A connection that only owns or reads the
// clipboard leaves out the foreign-toplevel list: once bound, the compositor
// creates an object on it for every window, which only a listener of that
// list frees.
enum class Bind { Everything, ClipboardOnly };

// The globals a compositor offers that this program can use.
struct Globals {
  Bind what = Bind::Everything;
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
void BindGlobals(wl_display* display, wl_registry*& registry, Globals& globals, Bind what = Bind::Everything);
void DestroyGlobals(wl_registry*& registry, Globals& globals);

}  // namespace cvd::wayland
