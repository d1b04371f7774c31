#include "core/clipboard/ClipFill.h"

#include <algorithm>

namespace cvd {

namespace {

int FindDuplicate(const TGroup& group, const std::string& text) {
  const int n = std::min<int>(group.NumClipButtons, static_cast<int>(group.Buttons.size()) - 1);
  for (int b = 1; b <= n; ++b) {
    if (group.Buttons.Text(b) == text) return b;
  }
  return 0;
}

}  // namespace

FillResult FillClip(TGroup& group, const std::string& text, const CaptionFunction& caption) {
  const int duplicate = group.CopyDups == cdCopy ? 0 : FindDuplicate(group, text);
  if (duplicate == 0) {
    const int filled = ShiftInNewClip(group, text, caption);
    return filled > 0 ? FillResult{true, filled} : FillResult{};
  }
  const bool used = group.Buttons.Used(duplicate);
  switch (group.CopyDups) {
    case cdMove: {
      group.Buttons.SetUsed(duplicate, false);
      const int to = group.FillMode == 1 ? 1 : group.NumClipButtons;
      MoveButton(group, duplicate, to);
      return FillResult{true, to};
    }
    case cdMarkUnused:
      if (!used) return FillResult{};
      group.Buttons.SetUsed(duplicate, false);
      return FillResult{true, duplicate};
    default: return FillResult{};
  }
}

void SetNewNumClipButtons(TGroup& group, int count) {
  if (count < 0) count = 0;
  if (count == group.NumClipButtons) return;
  const int clips = group.NumClipButtons;
  const int perms = group.NumPermButtons;
  group.ResizeButtons();  // the layout holds before the move, whatever came in
  auto& buttons = group.Buttons;
  if (count >= clips) {
    // New empty clips come in at the end and move before the permanent buttons.
    buttons.resize(static_cast<std::size_t>(perms) + static_cast<std::size_t>(count) + 1, EmptyClipButton());
    buttons.Rotate(clips + 1, clips + perms + 1, perms + count + 1);
  } else {
    buttons.erase(count + 1, clips + 1);
  }
  group.NumClipButtons = count;
}

}  // namespace cvd
