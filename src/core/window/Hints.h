#pragma once
// The hover hint: a hint appears once the pointer has rested on one button
// for five ticks of the 100 ms timer; while a hint shows, moving onto
// another button shows that button's hint at the next tick.
#include <string>

#include "core/data/GroupTable.h"
#include "core/util/Geometry.h"

namespace cvd {

inline constexpr int MaxHintHeight = 250;
inline constexpr int MaxHintWidth = 200;

struct HintState {
  int HintButton = -1;
  int HoverButton = -1;
  int HoverCount = 0;
};

enum class HintAction { None, Hide, Show };

// One tick. `buttonUnderPointer` is the visible button under the pointer or -1.
HintAction HoverStep(HintState& state, int buttonUnderPointer);

// The text the hint window shows for button `b` of `group`.
std::string HintText(const TGroup& group, int b);

// Where the hint window goes for the group's HintType.
Point HintPosition(int hintType, const Rect& window, Point pointer, Size hint);

}  // namespace cvd
