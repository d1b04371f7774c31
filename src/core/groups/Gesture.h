#pragma once
// Mouse gestures: a right-button drag of a button released outside the
// button window applies the quick fix bound to its direction.
#include "core/util/Geometry.h"

namespace cvd {

enum class Gesture { None, Right, Left, Up, Down };

// How far the pointer must travel before a release counts as a gesture.
inline constexpr int kGestureDistance = 25;

// `drop` and `start` are screen points, `control` the dragged button's
// screen rectangle and `window` the button window's. A release beside the
// button's row goes right or left; one above or below the window, up or down.
Gesture EvaluateGesture(Point drop, Point start, const Rect& control, const Rect& window);

}  // namespace cvd
