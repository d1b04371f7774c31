#pragma once
// The decimal and grouping characters numbers are read and written with.
#include <string>

namespace cvd {

struct NumberSeparators {
  std::string decimal = ".";
  std::string grouping = ",";

  bool operator==(const NumberSeparators&) const = default;
};

// The separators a locale reports. A locale without a grouping character
// (the C locale) groups with "," (or with "." where "," is its decimal
// separator); an empty decimal separator reads as ".".
NumberSeparators SeparatorsFrom(const char* decimalPoint, const char* thousandsSeparator);

// The separators of the user's locale (LC_NUMERIC, as the program set it).
NumberSeparators SystemNumberSeparators();

}  // namespace cvd
