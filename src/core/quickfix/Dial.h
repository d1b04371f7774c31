#pragma once
// Dialling a telephone number found in a text.
#include <string>
#include <string_view>

namespace cvd {

// The prefix (trimmed of blanks) followed by the text's number: the text
// with everything but digits, blanks, "(", ")", "," and "-" removed, then
// trimmed of blanks. "9," and "Call (555) 123-4567 now" give "9,(555) 123-4567".
std::string DialString(std::string_view text, std::string_view prefix);

// The tel: URL that asks the desktop's telephony handler to place a call to
// `dialString` (characters outside a URL's plain set are percent-encoded).
std::string TelUrl(std::string_view dialString);

}  // namespace cvd
