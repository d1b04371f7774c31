#include "core/window/Hints.h"

#include <algorithm>

#include "core/util/Text.h"

namespace cvd {

HintAction HoverStep(HintState& state, int b) {
  if (b < 1) {
    state = HintState{};
    return HintAction::Hide;
  }
  if (state.HintButton == -1) {
    state.HoverCount = (b == state.HoverButton) ? state.HoverCount + 1 : 0;
    state.HoverButton = b;
  }
  // While a hint shows the count stays at 4, so a move to another button
  // shows its hint at once.
  if (state.HoverCount == 4 && state.HintButton != b) {
    state.HoverButton = b;
    state.HintButton = b;
    return HintAction::Show;
  }
  return HintAction::None;
}

std::string HintText(const TGroup& group, int b) {
  const TButton& button = group.Buttons.at(b);
  if (!button.Hint.empty()) return button.Hint;
  if (!button.Text.empty()) {
    std::string text = button.Text.substr(0, Utf8PrefixBytes(button.Text, 1000));
    std::replace(text.begin(), text.end(), '\t', ' ');
    return text;
  }
  return b > group.NumClipButtons ? "Empty, Right click for options."
                                  : "Empty, updated by clipboard, Right click for options.";
}

Point HintPosition(int hintType, const Rect& window, Point pointer, Size hint) {
  switch (hintType) {
    case 1: return Point{window.left - 10 - hint.width, pointer.y + 10};
    case 2: return Point{window.right() + 10, pointer.y + 10};
    default: return Point{pointer.x, window.bottom() + 10};
  }
}

}  // namespace cvd
