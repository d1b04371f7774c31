#include "platform/x11/X11Windows.h"

#include <QGuiApplication>

#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>

#include <climits>
#include <fstream>
#include <vector>

#include "platform/x11/WindowClass.h"
#include "platform/x11/XErrorTrap.h"

namespace cvd::x11 {

namespace {

// One property of a window as a list of 32-bit items (atoms, windows, cardinals).
std::vector<unsigned long> LongProperty(Display* d, ::Window w, const char* name, Atom type) {
  std::vector<unsigned long> values;
  Atom actualType;
  int format;
  unsigned long count, after;
  unsigned char* data = nullptr;
  XErrorTrap trap(d);
  if (XGetWindowProperty(d, w, XInternAtom(d, name, False), 0, 1024, False, type, &actualType, &format, &count, &after,
                         &data) == Success &&
      data && format == 32) {
    const auto* items = reinterpret_cast<const unsigned long*>(data);
    values.assign(items, items + count);
  }
  if (data) XFree(data);
  return values;
}

std::string StringProperty(Display* d, ::Window w, const char* name, Atom type) {
  Atom actualType;
  int format;
  unsigned long count, after;
  unsigned char* data = nullptr;
  std::string value;
  XErrorTrap trap(d);
  if (XGetWindowProperty(d, w, XInternAtom(d, name, False), 0, 4096, False, type, &actualType, &format, &count, &after,
                         &data) == Success &&
      data && format == 8) {
    value.assign(reinterpret_cast<const char*>(data), count);
  }
  if (data) XFree(data);
  return value;
}

bool HasAtom(const std::vector<unsigned long>& atoms, Display* d, const char* name) {
  const Atom wanted = XInternAtom(d, name, False);
  for (unsigned long a : atoms) {
    if (a == wanted) return true;
  }
  return false;
}

// Top-level clients carry WM_STATE; frames and children do not.
bool HasWmState(Display* d, ::Window w) {
  Atom type = None;
  int format;
  unsigned long count, after;
  unsigned char* data = nullptr;
  const bool ok = XGetWindowProperty(d, w, XInternAtom(d, "WM_STATE", False), 0, 0, False, AnyPropertyType, &type,
                                     &format, &count, &after, &data) == Success;
  if (data) XFree(data);
  return ok && type != None;
}

std::string BaseName(const std::string& path) {
  const auto slash = path.rfind('/');
  return slash == std::string::npos ? path : path.substr(slash + 1);
}

}  // namespace

Display* X11Windows::QtDisplay() {
  auto* x11 = qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
  return x11 ? x11->display() : nullptr;
}

X11Windows::X11Windows(Display* display, pid_t ownPid) : display_(display), ownPid_(ownPid) {}

bool X11Windows::WindowManagerRunning() {
  // A window manager that has exited may leave its root properties behind:
  // trust them only while its check window still points at itself.
  const ::Window root = DefaultRootWindow(display_);
  const auto check = LongProperty(display_, root, "_NET_SUPPORTING_WM_CHECK", XA_WINDOW);
  if (check.empty() || check[0] == 0) return false;
  const auto self = LongProperty(display_, check[0], "_NET_SUPPORTING_WM_CHECK", XA_WINDOW);
  return !self.empty() && self[0] == check[0];
}

WindowId X11Windows::ClientWindowOf(WindowId window) {
  // The focus may sit in a child or in a window manager's frame: find the
  // top-level client, the window that carries WM_STATE.
  XErrorTrap trap(display_);
  ::Window w = static_cast<::Window>(window);
  const ::Window root = DefaultRootWindow(display_);
  for (int depth = 0; depth < 32 && w != 0 && w != root; ++depth) {
    if (HasWmState(display_, w)) return w;
    ::Window parent = 0, rootReturn = 0, *children = nullptr;
    unsigned int n = 0;
    if (!XQueryTree(display_, w, &rootReturn, &parent, &children, &n)) break;
    if (children) XFree(children);
    if (parent == root) return w;  // a top-level without WM_STATE (no window manager)
    w = parent;
  }
  return 0;
}

WindowId X11Windows::Foreground() {
  if (!display_) return 0;
  if (WindowManagerRunning()) {
    const auto active = LongProperty(display_, DefaultRootWindow(display_), "_NET_ACTIVE_WINDOW", XA_WINDOW);
    if (!active.empty()) return IsDock(active[0]) ? 0 : active[0];
  }
  ::Window focus = 0;
  int revert = 0;
  XGetInputFocus(display_, &focus, &revert);
  if (focus == None || focus == PointerRoot) return 0;
  const WindowId client = ClientWindowOf(focus);
  return IsDock(client) ? 0 : client;
}

std::string X11Windows::Title(WindowId window) {
  if (!display_ || window == 0) return {};
  std::string title = StringProperty(display_, window, "_NET_WM_NAME", XInternAtom(display_, "UTF8_STRING", False));
  if (title.empty()) title = StringProperty(display_, window, "WM_NAME", AnyPropertyType);
  return title;
}

bool X11Windows::IsMinimized(WindowId window) {
  if (!display_ || window == 0) return false;
  const auto states = LongProperty(display_, window, "_NET_WM_STATE", XA_ATOM);
  if (HasAtom(states, display_, "_NET_WM_STATE_HIDDEN")) return true;
  const auto wmState = LongProperty(display_, window, "WM_STATE", XInternAtom(display_, "WM_STATE", False));
  return !wmState.empty() && wmState[0] == IconicState;
}

bool X11Windows::IsDock(WindowId window) {
  if (window == 0) return false;
  const auto types = LongProperty(display_, window, "_NET_WM_WINDOW_TYPE", XA_ATOM);
  return HasAtom(types, display_, "_NET_WM_WINDOW_TYPE_DOCK");
}

long X11Windows::Pid(WindowId window) {
  const auto pid = LongProperty(display_, window, "_NET_WM_PID", XA_CARDINAL);
  return pid.empty() ? -1 : static_cast<long>(pid[0]);
}

bool X11Windows::IsOurs(WindowId window) {
  if (!display_ || window == 0) return false;
  return Pid(window) == ownPid_;
}

std::string X11Windows::ExecutableName(WindowId window) {
  if (!display_ || window == 0) return {};
  const long pid = Pid(window);
  if (pid <= 0) return {};
  const std::string proc = "/proc/" + std::to_string(pid);
  char target[PATH_MAX];
  const ssize_t n = readlink((proc + "/exe").c_str(), target, sizeof target - 1);
  if (n > 0) {
    target[n] = '\0';
    return BaseName(target);
  }
  // Another user's process: its command line still names the program in
  // full, where "comm" is cut to 15 characters.
  std::ifstream cmdline(proc + "/cmdline");
  std::string argv0;
  std::getline(cmdline, argv0, '\0');
  return BaseName(argv0);
}

std::string X11Windows::ClassName(WindowId window) {
  const std::vector<std::string> parts = ClassParts(window);
  return parts.empty() ? std::string() : parts.back();
}

std::vector<std::string> X11Windows::ClassParts(WindowId window) {
  if (!display_ || window == 0) return {};
  XErrorTrap trap(display_);
  return WindowClassParts(display_, static_cast<::Window>(window));
}

bool X11Windows::Activate(WindowId window) {
  if (!display_ || window == 0) return false;
  XErrorTrap trap(display_);
  const ::Window root = DefaultRootWindow(display_);
  if (WindowManagerRunning()) {
    XEvent event{};
    event.xclient.type = ClientMessage;
    event.xclient.window = static_cast<::Window>(window);
    event.xclient.message_type = XInternAtom(display_, "_NET_ACTIVE_WINDOW", False);
    event.xclient.format = 32;
    event.xclient.data.l[0] = 2;  // from a pager: window managers honour it
    event.xclient.data.l[1] = CurrentTime;
    XSendEvent(display_, root, False, SubstructureRedirectMask | SubstructureNotifyMask, &event);
  } else {
    XSetInputFocus(display_, static_cast<::Window>(window), RevertToParent, CurrentTime);
  }
  XRaiseWindow(display_, static_cast<::Window>(window));
  XFlush(display_);
  return !trap.Failed();
}

WindowId X11Windows::WindowUnderPointer() {
  if (!display_) return 0;
  ::Window root = 0, child = 0;
  int rx, ry, wx, wy;
  unsigned int mask;
  if (!XQueryPointer(display_, DefaultRootWindow(display_), &root, &child, &rx, &ry, &wx, &wy, &mask) || child == 0) {
    return 0;
  }
  // The child of the root is a frame: descend to the client.
  XErrorTrap trap(display_);
  ::Window w = child;
  for (int depth = 0; depth < 8; ++depth) {
    if (HasWmState(display_, w)) return w;
    ::Window r, c;
    if (!XQueryPointer(display_, w, &r, &c, &rx, &ry, &wx, &wy, &mask) || c == 0) break;
    w = c;
  }
  return child;
}

}  // namespace cvd::x11
