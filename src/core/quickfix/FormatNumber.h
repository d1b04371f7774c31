#pragma once
// The {Number} command: a picture ("%" and a number picture) or a digit mask.
#include <string>
#include <string_view>

#include "core/quickfix/NumberSeparators.h"

namespace cvd {

// `format` is trimmed of blanks. Empty format or text: the text as it is.
// "%picture": the text read as a number and written with the picture (see
// NumberPicture.h); a text that is not a number stays as it is.
// Otherwise a mask: see ApplyDigitMask.
std::string FormatNumber(std::string_view text, std::string_view format, const NumberSeparators& separators);

// The digits of `text`, taken from the last: each # of the mask, from its
// end, receives the last digit not yet used; # left over become blanks and
// digits left over go, in their order, in front of the mask.
// "(###) ###-####" turns 1-555-123-4567 into 1(555) 123-4567.
std::string ApplyDigitMask(std::string_view text, std::string_view mask);

}  // namespace cvd
