#include "core/quickfix/FormatNumber.h"

#include "core/quickfix/DecimalNumber.h"
#include "core/quickfix/NumberPicture.h"
#include "core/util/Text.h"

namespace cvd {

std::string ApplyDigitMask(std::string_view text, std::string_view mask) {
  std::string digits;
  for (char c : text) {
    if (c >= '0' && c <= '9') digits += c;
  }
  std::string out(mask);
  std::size_t left = digits.size();
  for (std::size_t i = out.size(); i-- > 0;) {
    if (out[i] != '#') continue;
    out[i] = left > 0 ? digits[--left] : ' ';
  }
  return digits.substr(0, left) + out;
}

std::string FormatNumber(std::string_view text, std::string_view format, const NumberSeparators& separators) {
  format = TrimBlanks(format);
  if (format.empty() || text.empty()) return std::string(text);
  if (format.front() != '%') return ApplyDigitMask(text, format);
  const auto number = ReadDecimalNumber(text, separators);
  if (!number) return std::string(text);
  return FormatWithPicture(*number, format.substr(1), separators);
}

}  // namespace cvd
