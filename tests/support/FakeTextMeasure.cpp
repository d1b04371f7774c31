#include "support/FakeTextMeasure.h"

namespace cvd::testing {

namespace {
int CountCharacters(const std::string& text) {
  int count = 0;
  for (unsigned char c : text) {
    if ((c & 0xC0) != 0x80) ++count;
  }
  return count;
}
}  // namespace

int FakeTextMeasure::ButtonTextWidth(const std::string& text) {
  ++calls;
  return CountCharacters(text) * charWidth_;
}

Size FakeTextMeasure::HintSize(const std::string& text, int maxWidth) {
  const int width = CountCharacters(text) * charWidth_;
  if (width <= maxWidth) return Size{width + 6, 16 + 4};
  const int lines = (width + maxWidth - 1) / maxWidth;
  return Size{maxWidth + 6, lines * 16 + 4};
}

}  // namespace cvd::testing
