// Drives the paste's data-control owner from this thread while its own
// thread serves readers: every read right after an Own() gets that text
// (big texts too, which take many writes), also right after another client
// had taken both selections, and the text goes once another client keeps
// them. Exits non-zero with the first failure.
#include <fcntl.h>
#include <poll.h>
#include <unistd.h>
#include <wayland-client.h>

#include <chrono>
#include <cstdio>
#include <optional>
#include <string>
#include <thread>
#include <vector>

#include "platform/wayland/DataControlOwner.h"
#include "wlr-data-control-unstable-v1-client.h"

namespace {

constexpr const char* kType = "text/plain;charset=utf-8";

// Another client on a connection of its own: reads the selections and
// takes them with offers it never serves.
struct Client {
  wl_display* display = wl_display_connect(nullptr);
  wl_registry* registry = nullptr;
  cvd::wayland::Globals globals;
  zwlr_data_control_device_v1* device = nullptr;
  zwlr_data_control_offer_v1* selection[2] = {nullptr, nullptr};  // clipboard, primary
  zwlr_data_control_source_v1* taken[2] = {nullptr, nullptr};     // what Take set, until cancelled

  ~Client() {
    if (!display) return;
    for (auto* offer : selection)
      if (offer) zwlr_data_control_offer_v1_destroy(offer);
    for (auto* source : taken)
      if (source) zwlr_data_control_source_v1_destroy(source);
    if (device) zwlr_data_control_device_v1_destroy(device);
    cvd::wayland::DestroyGlobals(registry, globals);
    wl_display_disconnect(display);
  }

  bool Open() {
    if (!display) return false;
    cvd::wayland::BindGlobals(display, registry, globals, cvd::wayland::Bind::ClipboardOnly);
    if (!globals.seat || !globals.dataControl) return false;
    device = zwlr_data_control_manager_v1_get_data_device(globals.dataControl, globals.seat);
    static const zwlr_data_control_device_v1_listener listener = {
        .data_offer = [](void*, zwlr_data_control_device_v1*, zwlr_data_control_offer_v1*) {},
        .selection = [](void* data, zwlr_data_control_device_v1*,
                        zwlr_data_control_offer_v1* offer) { static_cast<Client*>(data)->Set(0, offer); },
        .finished = [](void*, zwlr_data_control_device_v1*) {},
        .primary_selection = [](void* data, zwlr_data_control_device_v1*,
                                zwlr_data_control_offer_v1* offer) { static_cast<Client*>(data)->Set(1, offer); },
    };
    zwlr_data_control_device_v1_add_listener(device, &listener, this);
    return wl_display_roundtrip(display) >= 0;
  }

  void Set(int which, zwlr_data_control_offer_v1* offer) {
    if (selection[which]) zwlr_data_control_offer_v1_destroy(selection[which]);
    selection[which] = offer;
  }

  // The selection's text as its owner hands it over; nothing without one.
  std::optional<std::string> Read(int which) {
    if (wl_display_roundtrip(display) < 0 || !selection[which]) return std::nullopt;
    int fds[2];
    if (pipe2(fds, O_CLOEXEC) != 0) return std::nullopt;
    zwlr_data_control_offer_v1_receive(selection[which], kType, fds[1]);
    wl_display_flush(display);
    close(fds[1]);
    std::string text;
    char buffer[65536];
    for (ssize_t got; (got = read(fds[0], buffer, sizeof buffer)) != 0;) {
      if (got < 0) {
        close(fds[0]);
        return std::nullopt;
      }
      text.append(buffer, static_cast<std::size_t>(got));
    }
    close(fds[0]);
    return text;
  }

  // Takes both selections with an offer that is never served.
  void Take() {
    static const zwlr_data_control_source_v1_listener listener = {
        .send = [](void*, zwlr_data_control_source_v1*, const char*, std::int32_t fd) { close(fd); },
        .cancelled =
            [](void* data, zwlr_data_control_source_v1* source) {
              for (auto*& mine : static_cast<Client*>(data)->taken)
                if (mine == source) mine = nullptr;
              zwlr_data_control_source_v1_destroy(source);
            },
    };
    for (int which : {0, 1}) {
      zwlr_data_control_source_v1* source = zwlr_data_control_manager_v1_create_data_source(globals.dataControl);
      zwlr_data_control_source_v1_add_listener(source, &listener, this);
      taken[which] = source;
      zwlr_data_control_source_v1_offer(source, kType);
      if (which == 0) {
        zwlr_data_control_device_v1_set_selection(device, source);
      } else {
        zwlr_data_control_device_v1_set_primary_selection(device, source);
      }
    }
    wl_display_roundtrip(display);
  }
};

int Fail(const std::string& what) {
  std::fprintf(stderr, "FAIL: %s\n", what.c_str());
  return 1;
}

}  // namespace

int main() {
  Client other;
  if (!other.Open()) return Fail("no compositor with data-control");
  cvd::wayland::DataControlOwner owner;
  if (!owner.Ok()) return Fail("the owner has no connection");
  for (int i = 0; i < 200; ++i) {
    std::string text = "clip " + std::to_string(i);
    // Every tenth text is far bigger than a pipe holds.
    if (i % 10 == 5) text += std::string(300 * 1024, static_cast<char>('a' + i % 26));
    if (!owner.Own(text)) return Fail("not owned: clip " + std::to_string(i));
    if (i % 3 == 1) {
      other.Take();
      if (!owner.Own(text)) return Fail("not owned again: clip " + std::to_string(i));
    }
    for (int which : {0, 1}) {
      const std::optional<std::string> read = other.Read(which);
      if (read != text)
        return Fail("read " + read.value_or("nothing").substr(0, 40) + " instead of clip " + std::to_string(i));
    }
    if (owner.Text() != text) return Fail("the owner holds another text than clip " + std::to_string(i));
  }
  other.Take();
  for (int wait = 0; !owner.Text().empty(); ++wait) {
    if (wait == 200) return Fail("the text stayed after both selections were lost");
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
    wl_display_roundtrip(other.display);
  }
  std::puts("PASS");
  return 0;
}
