#pragma once
// Numbers read from a text, kept as exact decimal digits so that rounding
// to the digits a picture shows is exact (2.25 to one decimal is 2.3).
#include <optional>
#include <string>
#include <string_view>

#include "core/quickfix/NumberSeparators.h"

namespace cvd {

struct DecimalNumber {
  bool negative = false;
  // Significant digits without leading or trailing zeros; empty for zero.
  std::string digits;
  // The value is 0.digits times ten to the power pointPos.
  long long pointPos = 0;

  bool IsZero() const { return digits.empty(); }
  bool operator==(const DecimalNumber&) const = default;
};

// Numbers with more integer digits than this are not read, so that a huge
// exponent cannot blow a text up: the range of a double.
inline constexpr long long kMaxIntegerDigits = 309;

// Reads a number written as an optional sign, digits with an optional
// decimal separator, and an optional exponent (e or E, optional sign,
// digits); blanks around it are allowed, grouping characters are not.
// Nothing when the text is anything else.
std::optional<DecimalNumber> ReadDecimalNumber(std::string_view text, const NumberSeparators& separators);

// Keeps the first `keep` digits, rounding half away from zero (`keep` may be
// zero or negative: the digits kept are counted from the first significant one).
DecimalNumber RoundToDigits(DecimalNumber number, long long keep);

// Rounds to `decimals` digits after the decimal point.
inline DecimalNumber RoundToDecimals(DecimalNumber number, long long decimals) {
  const long long keep = number.pointPos + decimals;
  return RoundToDigits(std::move(number), keep);
}

}  // namespace cvd
