#pragma once
#include "core/ports/TextMeasure.h"

namespace cvd::ui {

class TMainForm;
class HintWindow;

// Measures in the fonts the button window and the hint window draw with.
class QtTextMeasure : public TextMeasure {
 public:
  QtTextMeasure(TMainForm& form, HintWindow& hint) : form_(form), hint_(hint) {}
  int ButtonTextWidth(const std::string& text) override;
  Size HintSize(const std::string& text, int maxWidth) override;

 private:
  TMainForm& form_;
  HintWindow& hint_;
};

}  // namespace cvd::ui
