#include "platform/x11/X11WindowWatch.h"

#include <QCoreApplication>

#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <xcb/xcb.h>

#include "platform/x11/X11Windows.h"
#include "platform/x11/XErrorTrap.h"

namespace cvd::x11 {

namespace {

// Our client's event mask on `w` (Qt shares the connection, so its
// selections must be kept).
long OwnMask(Display* d, ::Window w) {
  XWindowAttributes attributes{};
  XErrorTrap trap(d);
  if (!XGetWindowAttributes(d, w, &attributes)) return 0;
  return attributes.your_event_mask;
}

::Window ActiveWindow(Display* d, ::Window root, Atom active) {
  Atom type;
  int format;
  unsigned long count, after;
  unsigned char* data = nullptr;
  ::Window window = 0;
  XErrorTrap trap(d);
  if (XGetWindowProperty(d, root, active, 0, 1, False, XA_WINDOW, &type, &format, &count, &after, &data) == Success &&
      data && format == 32 && count == 1) {
    window = static_cast<::Window>(*reinterpret_cast<unsigned long*>(data));
  }
  if (data) XFree(data);
  return window;
}

}  // namespace

X11WindowWatch::X11WindowWatch(Display* display, std::function<void()> onChange)
    : display_(display), onChange_(std::move(onChange)), root_(DefaultRootWindow(display)) {
  activeAtom_ = XInternAtom(display_, "_NET_ACTIVE_WINDOW", False);
  netNameAtom_ = XInternAtom(display_, "_NET_WM_NAME", False);
  nameAtom_ = XInternAtom(display_, "WM_NAME", False);
  netStateAtom_ = XInternAtom(display_, "_NET_WM_STATE", False);
  stateAtom_ = XInternAtom(display_, "WM_STATE", False);
  rootMaskBefore_ = OwnMask(display_, root_);
  XSelectInput(display_, root_, rootMaskBefore_ | PropertyChangeMask);
  FollowActiveWindow();
  QCoreApplication::instance()->installNativeEventFilter(this);
}

X11WindowWatch::~X11WindowWatch() {
  if (auto* app = QCoreApplication::instance()) app->removeNativeEventFilter(this);
  Unwatch();
  // Qt may have widened the root's mask meanwhile: take away only ours.
  const long now = OwnMask(display_, root_);
  XSelectInput(display_, root_, (now & ~PropertyChangeMask) | (rootMaskBefore_ & PropertyChangeMask));
  XFlush(display_);
}

void X11WindowWatch::Unwatch() {
  if (watched_ == 0) return;
  XErrorTrap trap(display_);  // the window may be gone
  XSelectInput(display_, watched_, watchedMaskBefore_);
  watched_ = 0;
}

void X11WindowWatch::FollowActiveWindow() {
  const ::Window active = ActiveWindow(display_, root_, activeAtom_);
  if (active == watched_) return;
  Unwatch();
  if (active != 0) {
    XErrorTrap trap(display_);
    watchedMaskBefore_ = OwnMask(display_, active);
    XSelectInput(display_, active, watchedMaskBefore_ | PropertyChangeMask);
    if (!trap.Failed()) watched_ = active;
  }
  XFlush(display_);
}

bool X11WindowWatch::nativeEventFilter(const QByteArray& eventType, void* message, qintptr*) {
  if (eventType != "xcb_generic_event_t") return false;
  const auto* event = static_cast<const xcb_generic_event_t*>(message);
  if ((event->response_type & ~0x80) != XCB_PROPERTY_NOTIFY) return false;
  const auto* notice = static_cast<const xcb_property_notify_event_t*>(message);
  if (notice->window == root_ && notice->atom == activeAtom_) {
    FollowActiveWindow();
    onChange_();
  } else if (notice->window == watched_ && watched_ != 0 &&
             (notice->atom == netNameAtom_ || notice->atom == nameAtom_ || notice->atom == netStateAtom_ ||
              notice->atom == stateAtom_)) {
    onChange_();
  }
  return false;  // Qt sees every event as before
}

bool X11Windows::SetChangeHandler(std::function<void()> onChange) {
  watch_.reset();
  if (!onChange || !display_ || !QCoreApplication::instance() || !WindowManagerRunning()) return false;
  watch_ = std::make_shared<X11WindowWatch>(display_, std::move(onChange));
  return true;
}

}  // namespace cvd::x11
