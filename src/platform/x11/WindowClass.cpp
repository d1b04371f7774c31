#include "platform/x11/WindowClass.h"

#include <X11/Xlib.h>
#include <X11/Xutil.h>

namespace cvd::x11 {

std::vector<std::string> WindowClassParts(Display* display, unsigned long window) {
  XClassHint hint{};
  std::vector<std::string> parts;
  if (XGetClassHint(display, window, &hint)) {
    if (hint.res_name) parts.emplace_back(hint.res_name);
    if (hint.res_class) parts.emplace_back(hint.res_class);
  }
  if (hint.res_name) XFree(hint.res_name);
  if (hint.res_class) XFree(hint.res_class);
  return parts;
}

}  // namespace cvd::x11
