#include "core/quickfix/DecimalNumber.h"

#include <utility>

namespace cvd {
namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

void TrimTrailingZeros(std::string& digits) {
  std::size_t end = digits.size();
  while (end > 0 && digits[end - 1] == '0') --end;
  digits.resize(end);
}

}  // namespace

std::optional<DecimalNumber> ReadDecimalNumber(std::string_view text, const NumberSeparators& separators) {
  while (!text.empty() && text.front() == ' ') text.remove_prefix(1);
  while (!text.empty() && text.back() == ' ') text.remove_suffix(1);
  std::size_t pos = 0;
  DecimalNumber number;
  if (pos < text.size() && (text[pos] == '+' || text[pos] == '-')) number.negative = text[pos++] == '-';

  std::string digits;
  long long integerDigits = 0;
  while (pos < text.size() && IsDigit(text[pos])) {
    digits += text[pos++];
    ++integerDigits;
  }
  const std::string_view decimal = separators.decimal.empty() ? std::string_view(".") : separators.decimal;
  if (text.substr(pos, decimal.size()) == decimal) {
    pos += decimal.size();
    while (pos < text.size() && IsDigit(text[pos])) digits += text[pos++];
  }
  if (digits.empty()) return std::nullopt;

  long long exponent = 0;
  if (pos < text.size() && (text[pos] == 'e' || text[pos] == 'E')) {
    ++pos;
    bool negativeExponent = false;
    if (pos < text.size() && (text[pos] == '+' || text[pos] == '-')) negativeExponent = text[pos++] == '-';
    if (pos >= text.size() || !IsDigit(text[pos])) return std::nullopt;
    while (pos < text.size() && IsDigit(text[pos])) {
      // Saturate: an exponent this large already puts the number out of range
      // (or rounds it to zero), and the sum below must not overflow.
      if (exponent < 1'000'000'000'000LL) exponent = exponent * 10 + (text[pos] - '0');
      ++pos;
    }
    if (negativeExponent) exponent = -exponent;
  }
  if (pos != text.size()) return std::nullopt;

  std::size_t lead = 0;
  while (lead < digits.size() && digits[lead] == '0') ++lead;
  number.digits = digits.substr(lead);
  TrimTrailingZeros(number.digits);
  if (number.digits.empty()) {
    number.pointPos = 0;
    return number;
  }
  number.pointPos = integerDigits - static_cast<long long>(lead) + exponent;
  if (number.pointPos > kMaxIntegerDigits) return std::nullopt;
  return number;
}

DecimalNumber RoundToDigits(DecimalNumber number, long long keep) {
  if (keep >= static_cast<long long>(number.digits.size())) return number;
  if (keep < 0) {
    // Everything lies below half of the last digit kept.
    number.digits.clear();
    number.pointPos = 0;
    return number;
  }
  const std::size_t k = static_cast<std::size_t>(keep);
  const bool roundUp = number.digits[k] >= '5';
  number.digits.resize(k);
  if (roundUp) {
    std::size_t j = k;
    while (j > 0 && number.digits[j - 1] == '9') --j;
    if (j == 0) {
      number.digits.assign(1, '1');
      ++number.pointPos;
    } else {
      ++number.digits[j - 1];
      number.digits.resize(j);
    }
  }
  TrimTrailingZeros(number.digits);
  if (number.digits.empty()) number.pointPos = 0;
  return number;
}

}  // namespace cvd
