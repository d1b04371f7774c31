#include "core/groups/Gesture.h"

namespace cvd {

Gesture EvaluateGesture(Point drop, Point start, const Rect& control, const Rect& window) {
  if (control.top < drop.y && drop.y < control.top + control.height) {
    if (drop.x > start.x + kGestureDistance) return Gesture::Right;
    if (drop.x < start.x - kGestureDistance) return Gesture::Left;
  } else if (window.left < drop.x && drop.x < window.left + window.width) {
    if (drop.y > start.y + kGestureDistance) return Gesture::Down;
    if (drop.y < start.y - kGestureDistance) return Gesture::Up;
  }
  return Gesture::None;
}

}  // namespace cvd
