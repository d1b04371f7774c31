#pragma once
// The colour dialog that picks a button's text and face colours.
#include <optional>
#include <vector>

#include "core/util/ColorValue.h"

namespace cvd {

// A text colour and a face colour, as a button carries them.
struct ColorPair {
  TColor text = 0;
  TColor face = 0;
  bool operator==(const ColorPair&) const = default;
};

// The colour dialog's answer: the favourites as the user left them (kept
// even on Cancel), and the chosen pair on OK.
struct ColorDialogResult {
  std::optional<ColorPair> chosen;
  std::vector<ColorPair> favorites;
};

class ColorDialogView {
 public:
  virtual ~ColorDialogView() = default;

  virtual ColorDialogResult ColorDialog(const ColorPair& preset, const std::vector<ColorPair>& favorites) = 0;
};

}  // namespace cvd
