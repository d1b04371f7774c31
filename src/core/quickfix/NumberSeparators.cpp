#include "core/quickfix/NumberSeparators.h"

#include <clocale>

namespace cvd {

NumberSeparators SeparatorsFrom(const char* decimalPoint, const char* thousandsSeparator) {
  NumberSeparators separators;
  if (decimalPoint != nullptr && *decimalPoint != '\0') separators.decimal = decimalPoint;
  if (thousandsSeparator != nullptr && *thousandsSeparator != '\0') {
    separators.grouping = thousandsSeparator;
  } else {
    separators.grouping.assign(1, separators.decimal == "," ? '.' : ',');
  }
  return separators;
}

NumberSeparators SystemNumberSeparators() {
  const std::lconv* conv = std::localeconv();
  if (conv == nullptr) return NumberSeparators{};
  return SeparatorsFrom(conv->decimal_point, conv->thousands_sep);
}

}  // namespace cvd
