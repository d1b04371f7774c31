#pragma once
#include <string>

#include "core/util/Geometry.h"

namespace cvd {

// Pixel sizes of texts as the view draws them.
class TextMeasure {
 public:
  virtual ~TextMeasure() = default;
  // Width of `text` (UTF-8) in the font of button control 1.
  virtual int ButtonTextWidth(const std::string& text) = 0;
  // Size of the hint window for `text` wrapped to at most `maxWidth` pixels.
  virtual Size HintSize(const std::string& text, int maxWidth) = 0;
};

}  // namespace cvd
