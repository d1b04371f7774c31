#include "platform/wayland/WaylandWindows.h"

#include <wayland-client.h>

#include "core/log/Log.h"
#include "platform/wayland/WaylandConnection.h"
#include "wlr-foreign-toplevel-management-unstable-v1-client.h"

namespace cvd::wayland {

// What a handle's events need: the list and the window's number in it.
struct WaylandWindows::Handle {
  WaylandWindows* self;
  WindowId window;
};

WaylandWindows::WaylandWindows(WaylandConnection& connection, std::vector<std::string> ownAppIds)
    : connection_(connection), list_(std::move(ownAppIds)) {
  static const zwlr_foreign_toplevel_handle_v1_listener handleListener = {
      .title =
          [](void* data, zwlr_foreign_toplevel_handle_v1*, const char* title) {
            auto* h = static_cast<Handle*>(data);
            h->self->list_.SetTitle(h->window, title);
          },
      .app_id =
          [](void* data, zwlr_foreign_toplevel_handle_v1*, const char* appId) {
            auto* h = static_cast<Handle*>(data);
            h->self->list_.SetAppId(h->window, appId);
          },
      .output_enter = [](void*, zwlr_foreign_toplevel_handle_v1*, wl_output*) {},
      .output_leave = [](void*, zwlr_foreign_toplevel_handle_v1*, wl_output*) {},
      .state =
          [](void* data, zwlr_foreign_toplevel_handle_v1*, wl_array* array) {
            auto* h = static_cast<Handle*>(data);
            const auto* first = static_cast<const std::uint32_t*>(array->data);
            h->self->list_.SetStates(h->window, std::vector<std::uint32_t>(first, first + array->size / sizeof *first));
          },
      .done =
          [](void* data, zwlr_foreign_toplevel_handle_v1*) {
            auto* h = static_cast<Handle*>(data);
            h->self->list_.Done(h->window);
            h->self->Changed();
          },
      .closed =
          [](void* data, zwlr_foreign_toplevel_handle_v1* handle) {
            auto* h = static_cast<Handle*>(data);
            WaylandWindows* self = h->self;
            self->list_.Remove(h->window);
            self->handles_.erase(h->window);
            zwlr_foreign_toplevel_handle_v1_destroy(handle);
            delete h;
            self->Changed();
          },
      .parent = [](void*, zwlr_foreign_toplevel_handle_v1*, zwlr_foreign_toplevel_handle_v1*) {},
  };
  static const zwlr_foreign_toplevel_manager_v1_listener managerListener = {
      .toplevel =
          [](void* data, zwlr_foreign_toplevel_manager_v1*, zwlr_foreign_toplevel_handle_v1* handle) {
            auto* self = static_cast<WaylandWindows*>(data);
            const WindowId window = self->list_.Add();
            self->handles_[window] = handle;
            zwlr_foreign_toplevel_handle_v1_add_listener(handle, &handleListener, new Handle{self, window});
          },
      .finished =
          [](void*, zwlr_foreign_toplevel_manager_v1*) {
            LogWarning("wayland", "the compositor stopped telling which window is active");
          },
  };
  zwlr_foreign_toplevel_manager_v1_add_listener(connection_.Offered().toplevels, &managerListener, this);
  // The windows open now, and which of them is active.
  connection_.Roundtrip();
}

WaylandWindows::~WaylandWindows() {
  for (auto& [window, handle] : handles_) {
    delete static_cast<Handle*>(wl_proxy_get_user_data(reinterpret_cast<wl_proxy*>(handle)));
    zwlr_foreign_toplevel_handle_v1_destroy(handle);
  }
  connection_.Flush();
}

bool WaylandWindows::Usable(const WaylandConnection& connection) {
  return connection.Offered().seat && connection.Offered().toplevels;
}

bool WaylandWindows::Activate(WindowId window) {
  auto found = handles_.find(window);
  if (found == handles_.end()) return false;
  zwlr_foreign_toplevel_handle_v1_activate(found->second, connection_.Offered().seat);
  // The compositor has moved the focus when the round trip returns.
  return connection_.Roundtrip();
}

bool WaylandWindows::SetChangeHandler(std::function<void()> onChange) {
  onChange_ = std::move(onChange);
  return true;
}

void WaylandWindows::Changed() {
  if (onChange_) onChange_();
}

}  // namespace cvd::wayland
