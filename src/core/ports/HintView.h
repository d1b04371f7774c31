#pragma once
// The hint window that shows a button's hint next to it.
#include <string>

#include "core/util/Geometry.h"

namespace cvd {

class HintView {
 public:
  virtual ~HintView() = default;

  virtual void ShowHint(const std::string& text, const Rect& where) = 0;
  virtual void HideHint() = 0;
};

}  // namespace cvd
