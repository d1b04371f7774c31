#include "core/settings/ValueForms.h"

#include <charconv>
#include <cstdio>
#include <vector>

namespace cvd {
namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

std::string_view TrimSpaces(std::string_view text) {
  while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) text.remove_prefix(1);
  while (!text.empty() && (text.back() == ' ' || text.back() == '\t')) text.remove_suffix(1);
  return text;
}

// Removes a trailing AM/PM marker; returns +1 for PM, -1 for AM, 0 for none.
int TakeDayHalf(std::string_view& text) {
  std::string letters;
  std::size_t cut = text.size();
  while (cut > 0) {
    const char c = text[cut - 1];
    if (c == '.' || c == ' ') {
      --cut;
      continue;
    }
    if ((c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z')) {
      letters.insert(letters.begin(), static_cast<char>(c | 0x20));
      --cut;
      continue;
    }
    break;
  }
  int half = 0;
  if (letters == "am") half = -1;
  if (letters == "pm") half = 1;
  if (half == 0 && !letters.empty()) return 2;  // some other word: unreadable
  if (half != 0) text = TrimSpaces(text.substr(0, cut));
  return half;
}

}  // namespace

std::optional<std::int32_t> ParseInteger(std::string_view text) {
  if (text.empty()) return std::nullopt;
  std::size_t start = 0;
  if (text[0] == '+') {
    start = 1;
    if (text.size() > 1 && text[1] == '-') return std::nullopt;
  }
  std::int32_t value = 0;
  const char* first = text.data() + start;
  const char* last = text.data() + text.size();
  if (first == last) return std::nullopt;
  const auto [end, error] = std::from_chars(first, last, value, 10);
  if (error != std::errc{} || end != last) return std::nullopt;
  return value;
}

std::optional<bool> ParseFlag(std::string_view text) {
  const auto value = ParseInteger(text);
  if (!value) return std::nullopt;
  return *value != 0;
}

std::string FormatTimeOfDay(const TimeOfDay& time) {
  char buffer[16];
  std::snprintf(buffer, sizeof buffer, "%02d:%02d:%02d", time.Hour, time.Minute, time.Second);
  return buffer;
}

std::optional<TimeOfDay> ParseTimeOfDay(std::string_view text) {
  text = TrimSpaces(text);
  const int half = TakeDayHalf(text);
  if (half == 2) return std::nullopt;
  std::vector<int> parts;
  std::size_t pos = 0;
  while (pos <= text.size()) {
    std::size_t end = pos;
    while (end < text.size() && IsDigit(text[end])) ++end;
    if (end == pos || end - pos > 2) return std::nullopt;
    int value = 0;
    std::from_chars(text.data() + pos, text.data() + end, value);
    parts.push_back(value);
    if (end == text.size()) break;
    if (text[end] != ':' && text[end] != '.') return std::nullopt;
    pos = end + 1;
    if (pos == text.size()) return std::nullopt;
  }
  if (parts.size() < 2 || parts.size() > 3) return std::nullopt;
  TimeOfDay time{parts[0], parts[1], parts.size() == 3 ? parts[2] : 0};
  if (half != 0) {
    if (time.Hour < 1 || time.Hour > 12) return std::nullopt;
    time.Hour %= 12;
    if (half > 0) time.Hour += 12;
  }
  if (time.Hour > 23 || time.Minute > 59 || time.Second > 59) return std::nullopt;
  return time;
}

}  // namespace cvd
