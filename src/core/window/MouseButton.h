#pragma once

namespace cvd {

// The mouse button of a press on the button window.
enum class MouseButton { Left, Right, Other };

}  // namespace cvd
