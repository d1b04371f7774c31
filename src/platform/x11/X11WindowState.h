#pragma once
// Window-manager hints for the program's own windows.
#include <cstdint>

namespace cvd::x11 {

// Asks the window manager to keep `window` above others and out of the
// taskbar and pager. Call after the native window exists, before it is
// shown. Does nothing off X11.
void SetToolWindowState(std::uint64_t window);

// True when an X11 display is in use.
bool OnX11();

}  // namespace cvd::x11
