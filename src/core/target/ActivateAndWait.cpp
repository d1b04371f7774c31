#include "core/target/ActivateAndWait.h"

namespace cvd {

bool ActivateAndWait(Windows& windows, EventLoop& loop, WindowId window, int waitMs) {
  if (window == 0) return false;
  windows.Activate(window);
  constexpr int kPollMs = 10;
  for (int waited = 0; waited < waitMs && windows.Foreground() != window; waited += kPollMs) loop.Sleep(kPollMs);
  return windows.Foreground() == window;
}

}  // namespace cvd
