#include "core/util/Text.h"

namespace cvd {

std::string UpperAscii(std::string_view text) {
  std::string result(text);
  for (char& c : result) {
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
  }
  return result;
}

std::string_view TrimBlanks(std::string_view text) {
  while (!text.empty() && text.front() == ' ') text.remove_prefix(1);
  while (!text.empty() && text.back() == ' ') text.remove_suffix(1);
  return text;
}

bool SameTextAscii(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    char x = a[i], y = b[i];
    if (x >= 'a' && x <= 'z') x = static_cast<char>(x - 'a' + 'A');
    if (y >= 'a' && y <= 'z') y = static_cast<char>(y - 'a' + 'A');
    if (x != y) return false;
  }
  return true;
}

std::size_t Utf8SequenceLength(unsigned char lead) {
  if (lead < 0xC2) return 1;  // ASCII, continuation byte or overlong lead
  if (lead < 0xE0) return 2;
  if (lead < 0xF0) return 3;
  if (lead < 0xF5) return 4;
  return 1;
}

std::size_t Utf8PrefixBytes(std::string_view text, std::size_t count) {
  std::size_t pos = 0;
  for (std::size_t n = 0; n < count && pos < text.size(); ++n) {
    std::size_t len = Utf8SequenceLength(static_cast<unsigned char>(text[pos]));
    // Only swallow real continuation bytes, so a broken sequence still
    // advances by one byte and nothing is skipped.
    std::size_t step = 1;
    while (step < len && pos + step < text.size() && (static_cast<unsigned char>(text[pos + step]) & 0xC0) == 0x80) {
      ++step;
    }
    pos += step;
  }
  return pos;
}

std::string ValidUtf8(std::string_view text) {
  static const char kReplacement[] = "\xEF\xBF\xBD";
  std::string out;
  out.reserve(text.size());
  std::size_t i = 0;
  while (i < text.size()) {
    const auto lead = static_cast<unsigned char>(text[i]);
    std::size_t len = Utf8SequenceLength(lead);
    if (lead < 0x80) {
      out += static_cast<char>(lead);
      ++i;
      continue;
    }
    bool ok = len > 1 && i + len <= text.size();
    for (std::size_t k = 1; ok && k < len; ++k) {
      ok = (static_cast<unsigned char>(text[i + k]) & 0xC0) == 0x80;
    }
    if (ok && len >= 3) {
      const auto second = static_cast<unsigned char>(text[i + 1]);
      if (lead == 0xE0 && second < 0xA0) ok = false;   // overlong
      if (lead == 0xED && second >= 0xA0) ok = false;  // surrogate
      if (lead == 0xF0 && second < 0x90) ok = false;   // overlong
      if (lead == 0xF4 && second >= 0x90) ok = false;  // beyond U+10FFFF
    }
    if (ok) {
      out.append(text.substr(i, len));
      i += len;
    } else {
      out += kReplacement;
      ++i;
    }
  }
  return out;
}

}  // namespace cvd
