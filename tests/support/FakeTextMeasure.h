#pragma once
#include <string>

#include "core/ports/TextMeasure.h"
#include "core/util/Text.h"

namespace cvd::testing {

// Every character (not byte) is `charWidth` pixels wide; hints are one line
// of 16 pixels per 200 pixels of text.
class FakeTextMeasure : public TextMeasure {
 public:
  explicit FakeTextMeasure(int charWidth = 7) : charWidth_(charWidth) {}
  int ButtonTextWidth(const std::string& text) override;
  Size HintSize(const std::string& text, int maxWidth) override;
  int calls = 0;

 private:
  int charWidth_;
};

}  // namespace cvd::testing
