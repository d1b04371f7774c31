#include "platform/wayland/WaylandGlobals.h"

#include <wayland-client.h>

#include <algorithm>
#include <cstdlib>

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
  if (globals.what == Bind::ClipboardOnly && offered != "wl_seat" &&
      offered.find("data_control") == std::string::npos) {
    return;
  }
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

void BindGlobals(wl_display* display, wl_registry*& registry, Globals& globals, Bind what) {
  globals.what = what;
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

}  // namespace cvd::wayland
