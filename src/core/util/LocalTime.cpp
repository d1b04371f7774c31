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

LocalDateTime DayBefore(const LocalDateTime& time) {
  using namespace std::chrono;
  const year_month_day date{year{time.Year}, month{static_cast<unsigned>(time.Month)},
                            day{static_cast<unsigned>(time.Day)}};
  const year_month_day before{sys_days{date} - days{1}};
  LocalDateTime result = time;
  result.Year = static_cast<int>(before.year());
  result.Month = static_cast<int>(static_cast<unsigned>(before.month()));
  result.Day = static_cast<int>(static_cast<unsigned>(before.day()));
  return result;
}

}  // namespace cvd
