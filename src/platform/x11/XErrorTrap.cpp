#include "platform/x11/XErrorTrap.h"

#include <X11/Xlib.h>

namespace cvd::x11 {

namespace {
int g_depth = 0;
int g_lastError = 0;
XErrorHandler g_previous = nullptr;

int Record(Display*, XErrorEvent* event) {
  g_lastError = event->error_code;
  return 0;
}
}  // namespace

XErrorTrap::XErrorTrap(Display* display) : display_(display) {
  if (!display_) return;
  if (g_depth++ == 0) {
    XSync(display_, False);
    g_lastError = 0;
    g_previous = XSetErrorHandler(Record);
  }
}

XErrorTrap::~XErrorTrap() {
  if (!display_) return;
  if (--g_depth == 0) {
    XSync(display_, False);
    XSetErrorHandler(g_previous);
  }
}

bool XErrorTrap::Failed() {
  if (!display_) return true;
  XSync(display_, False);
  return g_lastError != 0;
}

int XErrorTrap::LastErrorCode() const { return g_lastError; }

}  // namespace cvd::x11
