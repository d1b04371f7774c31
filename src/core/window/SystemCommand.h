#pragma once

namespace cvd {

// System-menu command ids of the button window.
enum SystemCommand : int { scRollUp = 1000, scAlreadyRunning = 1001, scSearch = 1008, scSettings = 1009 };

}  // namespace cvd
