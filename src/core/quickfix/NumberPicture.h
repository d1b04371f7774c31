#pragma once
// Writing a number with a picture such as "#,##0.00;(#,##0.00);Zero":
//   0      a digit that is always shown
//   #      a digit shown only when significant
//   .      the first one marks the decimal separator (later ones are dropped)
//   ,      anywhere: group the integer digits by thousands (not shown itself)
//   E+ E- e+ e-   scientific notation; the 0s right after give the least
//          number of exponent digits; E+ always writes the exponent's sign,
//          E- only a minus
//   "..." '...'   copied as written
//   ;      separates up to three sections: positive, negative, zero values
// Any other character is copied. The number is rounded (half away from
// zero) to the digits the picture shows; a number that rounds to zero is
// written as zero. An empty or missing negative or zero section falls back
// to the first section, which then writes a minus sign in front of negative
// numbers. A number that comes to an empty first section is written in
// general form (up to 15 significant digits).
#include <string>
#include <string_view>

#include "core/quickfix/DecimalNumber.h"
#include "core/quickfix/NumberSeparators.h"

namespace cvd {

std::string FormatWithPicture(const DecimalNumber& number, std::string_view picture,
                              const NumberSeparators& separators);

// The general form: 15 significant digits, no trailing zeros, plain digits
// from 0.00001 up to 15 integer digits, otherwise d.dddE[-]x.
std::string FormatGeneral(const DecimalNumber& number, const NumberSeparators& separators);

}  // namespace cvd
