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

int ShiftInNewClips(TGroup& group, std::vector<std::string> texts, const CaptionFunction& caption) {
  const int n = group.NumClipButtons;
  if (n < 1 || group.Buttons.size() < static_cast<std::size_t>(n) + 1) return 0;
  // The last m texts stay; each earlier one would be pushed out again.
  const std::size_t m = std::min(texts.size(), static_cast<std::size_t>(n));
  if (m == 0) return 0;  // (moving every record onto itself would empty it)
  const std::size_t skipped = texts.size() - m;
  const auto first = group.Buttons.begin() + 1;
  const auto last = group.Buttons.begin() + 1 + n;
  if (group.FillMode == 1) {
    std::move_backward(first, last - static_cast<std::ptrdiff_t>(m), last);
    // The newest clip is button 1.
    for (std::size_t j = 0; j < m; ++j) *(first + static_cast<std::ptrdiff_t>(j)) =
        NewClipButton(std::move(texts[texts.size() - 1 - j]), caption);
  } else {
    std::move(first + static_cast<std::ptrdiff_t>(m), last, first);
    // The newest clip is button N.
    for (std::size_t j = 0; j < m; ++j) *(last - static_cast<std::ptrdiff_t>(m - j)) =
        NewClipButton(std::move(texts[skipped + j]), caption);
  }
  return static_cast<int>(m);
}

}  // namespace cvd
