#include "core/window/Caption.h"

#include "core/data/GroupTable.h"
#include "core/ports/TextMeasure.h"
#include "core/util/Text.h"

namespace cvd {
namespace {

std::string CleanForCaption(const std::string& text) {
  std::string out;
  out.reserve(text.size());
  bool leading = true;
  for (char c : text) {
    if (c == '\t' || c == '\n' || c == '\r') continue;
    if (leading && static_cast<unsigned char>(c) <= 32) continue;
    leading = false;
    out += c;
    if (c == '&') out += '&';
  }
  return out;
}

}  // namespace

std::string MakeCaption(const std::string& text, TextMeasure& measure, int limit) {
  const std::string cleaned = CleanForCaption(text);
  std::string caption;
  if (!cleaned.empty()) {
    // Grow the prefix one character at a time; the loop ends after a handful
    // of characters for any real button width, however long the text.
    std::size_t end = 0;
    std::size_t count = 0;
    while (end < cleaned.size()) {
      ++count;
      end = Utf8PrefixBytes(cleaned, count);
      if (measure.ButtonTextWidth(cleaned.substr(0, end)) >= limit) break;
    }
    caption = cleaned.substr(0, end);
  }
  if (caption.empty()) {
    return text.empty() ? std::string(kEmptyCaption) : "(" + std::to_string(text.size()) + " Characters)";
  }
  return caption;
}

}  // namespace cvd
