#pragma once
// The value forms of the settings files: integers, flags and times of day as
// text, read tolerantly (anything unreadable gives nothing).
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace cvd {

// A whole decimal number with an optional sign that fits 32 bits.
std::optional<std::int32_t> ParseInteger(std::string_view text);

// A flag is true when its value is a non-zero number.
std::optional<bool> ParseFlag(std::string_view text);

struct TimeOfDay {
  int Hour = 12;
  int Minute = 0;
  int Second = 0;
  bool operator==(const TimeOfDay&) const = default;
};

// "HH:MM:SS", as the settings file stores it.
std::string FormatTimeOfDay(const TimeOfDay& time);

// "H:MM", "H:MM:SS", with ":" or "." between the parts, optionally followed
// by "AM"/"PM" (also "a.m."/"p.m.", any case) as earlier versions wrote it
// in the user's long time format.
std::optional<TimeOfDay> ParseTimeOfDay(std::string_view text);

}  // namespace cvd
