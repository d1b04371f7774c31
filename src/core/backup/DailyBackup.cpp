#include "core/backup/DailyBackup.h"

#include <algorithm>

namespace cvd {
namespace {

LocalDateTime AtTimeOfDay(LocalDateTime day, const TimeOfDay& time) {
  day.Hour = time.Hour;
  day.Minute = time.Minute;
  day.Second = 0;
  return day;
}

}  // namespace

bool DailyBackupSchedule::Tick(const LocalDateTime& now, bool autoBackup, const TimeOfDay& backupTime) {
  const std::optional<LocalDateTime> last = lastTick_;
  lastTick_ = now;
  if (!autoBackup || !last || now <= *last) return false;
  // The backup moment of today or of yesterday in (last, now]; moments of
  // earlier days lie before yesterday's, so they are in range only if it is.
  std::optional<LocalDateTime> moment;
  const LocalDateTime today = AtTimeOfDay(now, backupTime);
  const LocalDateTime yesterday = AtTimeOfDay(DayBefore(now), backupTime);
  if (*last < today && today <= now) {
    moment = today;
  } else if (*last < yesterday && yesterday <= now) {
    moment = yesterday;
  }
  // A clock set back (end of summer time) replays an hour: never twice for one moment.
  if (!moment || (lastBackupMoment_ && *moment <= *lastBackupMoment_)) return false;
  lastBackupMoment_ = moment;
  return true;
}

std::int64_t DailyBackupSchedule::MsToNextMoment(const LocalDateTime& now, const TimeOfDay& backupTime) {
  LocalDateTime moment = AtTimeOfDay(now, backupTime);
  if (moment <= now) moment = AtTimeOfDay(DayAfter(now), backupTime);
  // At least a second: a day without the moment (it fell into the hour
  // skipped for summer time) must not make the timer spin.
  return std::max<std::int64_t>(1, SecondsBetween(now, moment)) * 1000;
}

}  // namespace cvd
