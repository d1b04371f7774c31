#pragma once
#include "core/ports/EventLoop.h"
#include "core/ports/Windows.h"

namespace cvd {

// Brings `window` to the front and waits (at most `waitMs`) until the
// window manager has handed it the focus: keys sent before that would go to
// the dialog that is closing. True when it has the focus.
bool ActivateAndWait(Windows& windows, EventLoop& loop, WindowId window, int waitMs = 1000);

}  // namespace cvd
