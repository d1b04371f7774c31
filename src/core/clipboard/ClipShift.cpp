#include "core/clipboard/ClipShift.h"

#include <algorithm>
#include <utility>

namespace cvd {

TButton NewClipButton(std::string text, const CaptionFunction& caption) {
  TButton clip;
  clip.Name = caption ? caption(text) : std::string();
  clip.Text = std::move(text);
  clip.Used = false;
  clip.FontColor = clBlack;
  clip.Color = clBtnFace;
  return clip;
}

int ShiftInClip(TGroup& group, TButton clip) {
  const int n = group.NumClipButtons;
  if (n < 1 || group.Buttons.size() < static_cast<std::size_t>(n) + 1) return 0;
  // Moving the records (not copying them) keeps a shift cheap however long
  // the texts are.
  const auto first = group.Buttons.begin() + 1;
  const auto last = group.Buttons.begin() + 1 + n;
  if (group.FillMode == 1) {
    std::move_backward(first, last - 1, last);
    *first = std::move(clip);
    return 1;
  }
  std::move(first + 1, last, first);
  *(last - 1) = std::move(clip);
  return n;
}

int ShiftInNewClip(TGroup& group, std::string text, const CaptionFunction& caption) {
  if (group.NumClipButtons < 1) return 0;
  return ShiftInClip(group, NewClipButton(std::move(text), caption));
}

}  // namespace cvd
