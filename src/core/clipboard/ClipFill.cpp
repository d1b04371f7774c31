#include "core/clipboard/ClipFill.h"

#include <algorithm>

namespace cvd {

namespace {

int FindDuplicate(const TGroup& group, const std::string& text) {
  const int n = std::min<int>(group.NumClipButtons, static_cast<int>(group.Buttons.size()) - 1);
  for (int b = 1; b <= n; ++b) {
    if (group.Buttons[b].Text == text) return b;
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
  TButton& existing = group.Buttons[duplicate];
  switch (group.CopyDups) {
    case cdMove: {
      existing.Used = false;
      const int to = group.FillMode == 1 ? 1 : group.NumClipButtons;
      MoveButton(group, duplicate, to);
      return FillResult{true, to};
    }
    case cdMarkUnused:
      if (!existing.Used) return FillResult{};
      existing.Used = false;
      return FillResult{true, duplicate};
    default:
      return FillResult{};
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
    buttons.resize(static_cast<std::size_t>(perms + count + 1));
    for (int b = clips + perms; b >= clips + 1; --b) buttons[b + count - clips] = std::move(buttons[b]);
    for (int b = clips + 1; b <= count; ++b) buttons[b] = EmptyClipButton();
  } else {
    for (int b = clips + 1; b <= clips + perms; ++b) buttons[b - clips + count] = std::move(buttons[b]);
    buttons.resize(static_cast<std::size_t>(perms + count + 1));
  }
  group.NumClipButtons = count;
}

}  // namespace cvd
