#include "core/quickfix/Dial.h"

#include "core/util/Text.h"

namespace cvd {
namespace {

bool KeptInNumber(char c) { return (c >= '0' && c <= '9') || c == ' ' || c == '(' || c == ')' || c == ',' || c == '-'; }

bool PlainInUrl(char c) {
  return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '-' || c == '.' ||
         c == '_' || c == '~' || c == '(' || c == ')' || c == ',' || c == '+' || c == '*' || c == ';' || c == '=';
}

}  // namespace

std::string DialString(std::string_view text, std::string_view prefix) {
  std::string number;
  for (char c : text) {
    if (KeptInNumber(c)) number += c;
  }
  std::string out(TrimBlanks(prefix));
  out += TrimBlanks(number);
  return out;
}

std::string TelUrl(std::string_view dialString) {
  static const char kHex[] = "0123456789ABCDEF";
  std::string url = "tel:";
  for (char c : dialString) {
    if (PlainInUrl(c)) {
      url += c;
    } else {
      const auto byte = static_cast<unsigned char>(c);
      url += '%';
      url += kHex[byte >> 4];
      url += kHex[byte & 0x0F];
    }
  }
  return url;
}

}  // namespace cvd
