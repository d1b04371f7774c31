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

int ShiftInClip(TGroup& group, const TButton& clip) {
  const int n = group.NumClipButtons;
  if (n < 1 || group.Buttons.size() < static_cast<std::size_t>(n) + 1) return 0;
  // Reordering the records (not copying them) keeps a shift cheap however
  // long the texts are. The new clip takes the place and room of the one
  // pushed out first, so a clip refused as too long changes nothing.
  if (group.FillMode == 1) {
    group.Buttons.Set(n, clip);
    group.Buttons.Rotate(1, n, n + 1);
    return 1;
  }
  group.Buttons.Set(1, clip);
  group.Buttons.Rotate(1, 2, n + 1);
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
  if (m == 0) return 0;
  const std::size_t skipped = texts.size() - m;
  const std::size_t last = static_cast<std::size_t>(n) + 1;
  if (group.FillMode == 1) {
    group.Buttons.Rotate(1, last - m, last);
    // The newest clip is button 1.
    for (std::size_t j = 0; j < m; ++j) {
      group.Buttons.Set(1 + j, NewClipButton(std::move(texts[texts.size() - 1 - j]), caption));
    }
  } else {
    group.Buttons.Rotate(1, 1 + m, last);
    // The newest clip is button N.
    for (std::size_t j = 0; j < m; ++j) {
      group.Buttons.Set(last - (m - j), NewClipButton(std::move(texts[skipped + j]), caption));
    }
  }
  return static_cast<int>(m);
}

}  // namespace cvd
