// A mouse for KWin's seat, through KWin's fake-input protocol (the one
// Plasma's remote desktop uses): the compositor sees each click as a
// user's, picks the window under the pointer and decides on the focus.
// Reads "X Y" lines on standard input, clicks the left button there and
// answers "clicked" once KWin has taken it. The mouse lives as long as this
// program: KWin adds it to the seat when it connects, and XWayland drops
// what comes before it has taken the new pointer. KWin offers the protocol
// to any client only with KWIN_WAYLAND_NO_PERMISSION_CHECKS=1.
#include <linux/input-event-codes.h>
#include <wayland-client.h>

#include <cstdint>
#include <cstring>
#include <iostream>

#include "fake-input-client.h"

namespace {

org_kde_kwin_fake_input* fakeInput = nullptr;

void Global(void*, wl_registry* registry, std::uint32_t name, const char* interface, std::uint32_t version) {
  // Absolute motion came with version 3.
  if (std::strcmp(interface, "org_kde_kwin_fake_input") == 0 && version >= 3)
    fakeInput =
        static_cast<org_kde_kwin_fake_input*>(wl_registry_bind(registry, name, &org_kde_kwin_fake_input_interface, 3));
}

}  // namespace

int main() {
  wl_display* display = wl_display_connect(nullptr);
  if (!display) return 1;
  static const wl_registry_listener registryListener = {Global, [](void*, wl_registry*, std::uint32_t) {}};
  wl_registry_add_listener(wl_display_get_registry(display), &registryListener, nullptr);
  wl_display_roundtrip(display);
  if (!fakeInput) return 1;
  org_kde_kwin_fake_input_authenticate(fakeInput, "Corvinade tests", "clicks like a user");
  if (wl_display_roundtrip(display) < 0) return 1;
  std::cout << "ready" << std::endl;
  int x = 0, y = 0;
  while (std::cin >> x >> y) {
    org_kde_kwin_fake_input_pointer_motion_absolute(fakeInput, wl_fixed_from_int(x), wl_fixed_from_int(y));
    org_kde_kwin_fake_input_button(fakeInput, BTN_LEFT, WL_POINTER_BUTTON_STATE_PRESSED);
    org_kde_kwin_fake_input_button(fakeInput, BTN_LEFT, WL_POINTER_BUTTON_STATE_RELEASED);
    if (wl_display_roundtrip(display) < 0) return 1;
    std::cout << "clicked" << std::endl;
  }
  return 0;
}
