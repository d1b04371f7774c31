#pragma once
// Both parts of a window's WM_CLASS: the instance name and the class name.
#include <string>
#include <vector>

typedef struct _XDisplay Display;

namespace cvd::x11 {

// Empty when the window has no class (or is gone: the caller traps errors).
std::vector<std::string> WindowClassParts(Display* display, unsigned long window);

}  // namespace cvd::x11
