// Grabs Alt+H on the root window, as another program's global shortcut
// would, and holds it until killed.
#include <X11/Xlib.h>
#include <X11/keysym.h>
#include <unistd.h>

#include <cstdio>

int main() {
  Display* display = XOpenDisplay(nullptr);
  if (!display) return 1;
  XGrabKey(display, XKeysymToKeycode(display, XK_h), Mod1Mask, DefaultRootWindow(display), False, GrabModeAsync,
           GrabModeAsync);
  XSync(display, False);
  std::puts("held");
  std::fflush(stdout);
  for (;;) pause();
}
