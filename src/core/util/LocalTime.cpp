#include "core/util/LocalTime.h"

#include <chrono>
#include <cstdio>
#include <ctime>

namespace cvd {

LocalDateTime LocalNow() {
  const std::time_t now = std::time(nullptr);
  std::tm parts{};
  localtime_r(&now, &parts);
  return {parts.tm_year + 1900, parts.tm_mon + 1, parts.tm_mday, parts.tm_hour, parts.tm_min, parts.tm_sec};
}

std::string YyMmDd(const LocalDateTime& time) {
  char buffer[16];
  std::snprintf(buffer, sizeof buffer, "%02d%02d%02d", ((time.Year % 100) + 100) % 100, time.Month % 100,
                time.Day % 100);
  return buffer;
}

namespace {

LocalDateTime DaysLater(const LocalDateTime& time, int count) {
  using namespace std::chrono;
  const year_month_day date{year{time.Year}, month{static_cast<unsigned>(time.Month)},
                            day{static_cast<unsigned>(time.Day)}};
  const year_month_day later{sys_days{date} + days{count}};
  LocalDateTime result = time;
  result.Year = static_cast<int>(later.year());
  result.Month = static_cast<int>(static_cast<unsigned>(later.month()));
  result.Day = static_cast<int>(static_cast<unsigned>(later.day()));
  return result;
}

std::time_t WallTime(const LocalDateTime& time) {
  std::tm parts{};
  parts.tm_year = time.Year - 1900;
  parts.tm_mon = time.Month - 1;
  parts.tm_mday = time.Day;
  parts.tm_hour = time.Hour;
  parts.tm_min = time.Minute;
  parts.tm_sec = time.Second;
  parts.tm_isdst = -1;  // whichever is in force on that day
  return std::mktime(&parts);
}

}  // namespace

LocalDateTime DayBefore(const LocalDateTime& time) { return DaysLater(time, -1); }

LocalDateTime DayAfter(const LocalDateTime& time) { return DaysLater(time, 1); }

std::int64_t SecondsBetween(const LocalDateTime& from, const LocalDateTime& to) {
  return static_cast<std::int64_t>(WallTime(to)) - static_cast<std::int64_t>(WallTime(from));
}

}  // namespace cvd
