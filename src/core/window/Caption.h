#pragma once
#include <string>

namespace cvd {

class TextMeasure;

// The caption of a button that holds `text`: line breaks and tabs dropped,
// "&" doubled, leading blanks and control characters removed, then the
// shortest leading part whose width reaches `limit` pixels (the character
// that crosses the limit is kept). Blank texts give "(n Characters)", the
// empty text "Empty". A UTF-8 sequence is never split.
std::string MakeCaption(const std::string& text, TextMeasure& measure, int limit);

}  // namespace cvd
