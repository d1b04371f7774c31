// Copies a text as a password manager does: takes CLIPBOARD and answers
// TARGETS and UTF8_STRING, and with --hint the password managers' hint
// target with "secret". Prints "owner" once it owns the selection; ends when
// another program takes it.
#include <X11/Xatom.h>
#include <X11/Xlib.h>

#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

int main(int argc, char** argv) {
  if (argc < 2) return 2;
  const std::string text = argv[1];
  const bool hint = argc > 2 && std::strcmp(argv[2], "--hint") == 0;
  Display* display = XOpenDisplay(nullptr);
  if (!display) return 1;
  const Window owner = XCreateSimpleWindow(display, DefaultRootWindow(display), 0, 0, 1, 1, 0, 0, 0);
  const Atom clipboard = XInternAtom(display, "CLIPBOARD", False);
  const Atom utf8 = XInternAtom(display, "UTF8_STRING", False);
  const Atom hintTarget = XInternAtom(display, "x-kde-passwordManagerHint", False);
  std::vector<Atom> offered{XInternAtom(display, "TARGETS", False), utf8};
  if (hint) offered.push_back(hintTarget);
  XSetSelectionOwner(display, clipboard, owner, CurrentTime);
  XSync(display, False);
  std::puts("owner");
  std::fflush(stdout);
  for (;;) {
    XEvent event;
    XNextEvent(display, &event);
    if (event.type == SelectionClear) return 0;
    if (event.type != SelectionRequest) continue;
    const XSelectionRequestEvent& request = event.xselectionrequest;
    XSelectionEvent reply{
        SelectionNotify,  0,           False, display, request.requestor, request.selection, request.target,
        request.property, request.time};
    auto answer = [&](Atom type, int format, const void* data, int count) {
      XChangeProperty(display, request.requestor, request.property, type, format, PropModeReplace,
                      static_cast<const unsigned char*>(data), count);
    };
    if (request.target == offered[0]) {
      answer(XA_ATOM, 32, offered.data(), static_cast<int>(offered.size()));
    } else if (request.target == utf8) {
      answer(utf8, 8, text.data(), static_cast<int>(text.size()));
    } else if (hint && request.target == hintTarget) {
      answer(hintTarget, 8, "secret", 6);
    } else {
      reply.property = None;
    }
    XSendEvent(display, request.requestor, False, 0, reinterpret_cast<XEvent*>(&reply));
    XFlush(display);
  }
}
