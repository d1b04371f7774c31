#pragma once
// Local calendar time, for the daily backup and the date suffixes of backup files.
#include <cstdint>
#include <string>

namespace cvd {

struct LocalDateTime {
  int Year = 2000;
  int Month = 1;  // 1..12
  int Day = 1;    // 1..31
  int Hour = 0;
  int Minute = 0;
  int Second = 0;
  // NOLINTNEXTLINE(modernize-use-nullptr): clang-tidy 14 sees a 0 in the defaulted comparison
  auto operator<=>(const LocalDateTime&) const = default;
};

LocalDateTime LocalNow();

// "yymmdd", two digits each.
std::string YyMmDd(const LocalDateTime& time);

// The same day and time of day one calendar day earlier.
LocalDateTime DayBefore(const LocalDateTime& time);

// The same time of day one calendar day later.
LocalDateTime DayAfter(const LocalDateTime& time);

// Seconds that pass on the wall from `from` to `to`, both local times (a
// change to or from summer time between them counts).
std::int64_t SecondsBetween(const LocalDateTime& from, const LocalDateTime& to);

inline bool SameDay(const LocalDateTime& a, const LocalDateTime& b) {
  return a.Year == b.Year && a.Month == b.Month && a.Day == b.Day;
}

}  // namespace cvd
