// A clipboard owner for the Wayland tests: takes the seat's clipboard
// through data-control with one text per MIME type and serves it until
// another owner takes over, or with --hang never answers a request (keeps
// the pipe open and writes nothing).
// Usage: data_source [--hang] TYPE:TEXT...
#include <unistd.h>
#include <wayland-client.h>

#include <cstdio>
#include <cstring>
#include <map>
#include <string>
#include <vector>

#include "wlr-data-control-unstable-v1-client.h"

namespace {

wl_seat* seat = nullptr;
zwlr_data_control_manager_v1* manager = nullptr;
std::map<std::string, std::string> texts;
bool hang = false;
bool done = false;
std::vector<int> hungPipes;

void Global(void*, wl_registry* registry, std::uint32_t name, const char* interface, std::uint32_t) {
  if (std::strcmp(interface, "wl_seat") == 0)
    seat = static_cast<wl_seat*>(wl_registry_bind(registry, name, &wl_seat_interface, 1));
  if (std::strcmp(interface, "zwlr_data_control_manager_v1") == 0)
    manager = static_cast<zwlr_data_control_manager_v1*>(
        wl_registry_bind(registry, name, &zwlr_data_control_manager_v1_interface, 2));
}

void Send(void*, zwlr_data_control_source_v1*, const char* type, std::int32_t fd) {
  if (hang) {
    hungPipes.push_back(fd);
    return;
  }
  const std::string& text = texts[type];
  (void)!write(fd, text.data(), text.size());
  close(fd);
}

void Cancelled(void*, zwlr_data_control_source_v1*) { done = true; }

}  // namespace

int main(int argc, char** argv) {
  for (int i = 1; i < argc; ++i) {
    const std::string arg = argv[i];
    if (arg == "--hang") {
      hang = true;
      continue;
    }
    const std::size_t colon = arg.find(':');
    texts[arg.substr(0, colon)] = colon == std::string::npos ? "" : arg.substr(colon + 1);
  }
  wl_display* display = wl_display_connect(nullptr);
  if (!display) return 1;
  static const wl_registry_listener registryListener = {Global, [](void*, wl_registry*, std::uint32_t) {}};
  wl_registry_add_listener(wl_display_get_registry(display), &registryListener, nullptr);
  wl_display_roundtrip(display);
  if (!seat || !manager) return 1;
  zwlr_data_control_device_v1* device = zwlr_data_control_manager_v1_get_data_device(manager, seat);
  zwlr_data_control_source_v1* source = zwlr_data_control_manager_v1_create_data_source(manager);
  static const zwlr_data_control_source_v1_listener sourceListener = {Send, Cancelled};
  zwlr_data_control_source_v1_add_listener(source, &sourceListener, nullptr);
  for (const auto& [type, text] : texts) zwlr_data_control_source_v1_offer(source, type.c_str());
  zwlr_data_control_device_v1_set_selection(device, source);
  wl_display_roundtrip(display);
  std::puts("owner");  // the selection is ours now
  std::fflush(stdout);
  while (!done && wl_display_dispatch(display) >= 0) {
  }
  return 0;
}
