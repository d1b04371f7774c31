#pragma once
#include <algorithm>
#include <string>

#include "core/ports/TextMeasure.h"

namespace cvd::test {

// Every character (not byte) is `charWidth` pixels wide; hints are one line
// of 16 pixels per 200 pixels of text.
class FakeTextMeasure : public TextMeasure {
 public:
  explicit FakeTextMeasure(int charWidth = 7) : charWidth_(charWidth) {}
  int ButtonTextWidth(const std::string& text) override {
    ++calls;
    return Width(text);
  }
  Size HintSize(const std::string& text, int maxWidth) override {
    const int width = Width(text);
    if (width <= maxWidth) return Size{width + 6, 16 + 4};
    return Size{maxWidth + 6, (width + maxWidth - 1) / maxWidth * 16 + 4};
  }
  int calls = 0;

 private:
  int Width(const std::string& text) const {
    const auto characters = std::count_if(text.begin(), text.end(), [](char c) { return (c & 0xC0) != 0x80; });
    return charWidth_ * static_cast<int>(characters);
  }
  int charWidth_;
};

}  // namespace cvd::test
