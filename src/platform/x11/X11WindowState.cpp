#include "platform/x11/X11WindowState.h"

#include <QGuiApplication>

#include <X11/Xatom.h>
#include <X11/Xlib.h>

#include <vector>

namespace cvd::x11 {

namespace {
Display* QtDisplay() {
  auto* x11 = qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
  return x11 ? x11->display() : nullptr;
}
}  // namespace

bool OnX11() { return QtDisplay() != nullptr; }

void SetToolWindowState(std::uint64_t window) {
  Display* display = QtDisplay();
  if (!display || window == 0) return;
  const char* names[] = {"_NET_WM_STATE_ABOVE", "_NET_WM_STATE_SKIP_TASKBAR", "_NET_WM_STATE_SKIP_PAGER"};
  std::vector<Atom> atoms;
  for (const char* name : names) atoms.push_back(XInternAtom(display, name, False));
  // Qt merges these with its own states when it maps the window.
  XChangeProperty(display, static_cast<::Window>(window), XInternAtom(display, "_NET_WM_STATE", False), XA_ATOM, 32,
                  PropModeReplace, reinterpret_cast<const unsigned char*>(atoms.data()),
                  static_cast<int>(atoms.size()));
  XFlush(display);
}

}  // namespace cvd::x11
