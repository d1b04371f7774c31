// A program that copies a text as a password manager does: it takes
// CLIPBOARD and answers TARGETS, UTF8_STRING and, with --hint, the password
// managers' hint target with "secret". With --window CLASS it first shows a
// window of that WM_CLASS and waits until it is active (the selection itself
// is owned by a hidden window without a class); with --owner-class CLASS the
// owning window carries the class. Prints "owner" once it owns the
// selection; ends when another program takes it, or when killed.
#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <unistd.h>

#include <cctype>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

namespace {

void SetClass(Display* display, Window window, const char* name) {
  XClassHint hint{};
  std::string instance(name);
  for (char& c : instance) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  hint.res_name = instance.data();
  hint.res_class = const_cast<char*>(name);
  XSetClassHint(display, window, &hint);
}

bool IsActive(Display* display, Window window) {
  Atom type = None;
  int format = 0;
  unsigned long count = 0, after = 0;
  unsigned char* bytes = nullptr;
  bool active = false;
  if (XGetWindowProperty(display, DefaultRootWindow(display), XInternAtom(display, "_NET_ACTIVE_WINDOW", False), 0, 1,
                         False, XA_WINDOW, &type, &format, &count, &after, &bytes) == Success &&
      bytes) {
    active = count == 1 && *reinterpret_cast<Window*>(bytes) == window;
    XFree(bytes);
  }
  return active;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) {
    std::fprintf(stderr, "usage: secret_owner TEXT [--hint] [--window CLASS] [--owner-class CLASS]\n");
    return 2;
  }
  const std::string text = argv[1];
  bool hint = false;
  const char* windowClass = nullptr;
  const char* ownerClass = nullptr;
  for (int i = 2; i < argc; ++i) {
    if (std::strcmp(argv[i], "--hint") == 0) hint = true;
    if (std::strcmp(argv[i], "--window") == 0 && i + 1 < argc) windowClass = argv[++i];
    if (std::strcmp(argv[i], "--owner-class") == 0 && i + 1 < argc) ownerClass = argv[++i];
  }
  Display* display = XOpenDisplay(nullptr);
  if (!display) return 1;
  const Window root = DefaultRootWindow(display);

  if (windowClass) {
    const Window shown = XCreateSimpleWindow(display, root, 300, 300, 200, 100, 0, 0, 0xFFFFFF);
    SetClass(display, shown, windowClass);
    XStoreName(display, shown, "secret-owner");
    XMapWindow(display, shown);
    XSync(display, False);
    for (int i = 0; i < 100 && !IsActive(display, shown); ++i) {
      XEvent e{};
      e.xclient.type = ClientMessage;
      e.xclient.window = shown;
      e.xclient.message_type = XInternAtom(display, "_NET_ACTIVE_WINDOW", False);
      e.xclient.format = 32;
      e.xclient.data.l[0] = 2;
      XSendEvent(display, root, False, SubstructureRedirectMask | SubstructureNotifyMask, &e);
      XSync(display, False);
      usleep(50000);
    }
    if (!IsActive(display, shown)) {
      std::fprintf(stderr, "secret_owner: the window did not become active\n");
      return 1;
    }
  }

  const Window owner = XCreateSimpleWindow(display, root, 0, 0, 1, 1, 0, 0, 0);
  if (ownerClass) SetClass(display, owner, ownerClass);
  const Atom clipboard = XInternAtom(display, "CLIPBOARD", False);
  const Atom targets = XInternAtom(display, "TARGETS", False);
  const Atom utf8 = XInternAtom(display, "UTF8_STRING", False);
  const Atom hintTarget = XInternAtom(display, "x-kde-passwordManagerHint", False);
  XSetSelectionOwner(display, clipboard, owner, CurrentTime);
  XSync(display, False);
  if (XGetSelectionOwner(display, clipboard) != owner) return 1;
  std::puts("owner");
  std::fflush(stdout);

  std::vector<Atom> offered{targets, utf8};
  if (hint) offered.push_back(hintTarget);
  for (;;) {
    XEvent event;
    XNextEvent(display, &event);
    if (event.type == SelectionClear) return 0;
    if (event.type != SelectionRequest) continue;
    const XSelectionRequestEvent& request = event.xselectionrequest;
    XSelectionEvent reply{};
    reply.type = SelectionNotify;
    reply.requestor = request.requestor;
    reply.selection = request.selection;
    reply.target = request.target;
    reply.time = request.time;
    reply.property = request.property == None ? request.target : request.property;
    if (request.target == targets) {
      XChangeProperty(display, request.requestor, reply.property, XA_ATOM, 32, PropModeReplace,
                      reinterpret_cast<const unsigned char*>(offered.data()), static_cast<int>(offered.size()));
    } else if (request.target == utf8) {
      XChangeProperty(display, request.requestor, reply.property, utf8, 8, PropModeReplace,
                      reinterpret_cast<const unsigned char*>(text.data()), static_cast<int>(text.size()));
    } else if (hint && request.target == hintTarget) {
      XChangeProperty(display, request.requestor, reply.property, hintTarget, 8, PropModeReplace,
                      reinterpret_cast<const unsigned char*>("secret"), 6);
    } else {
      reply.property = None;
    }
    XSendEvent(display, request.requestor, False, 0, reinterpret_cast<XEvent*>(&reply));
    XFlush(display);
  }
}
