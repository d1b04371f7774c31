#pragma once
// When the daily backup is due. Checks run at the backup moments, and when
// the wall clock jumps; they can come late (a busy or suspended machine), so
// the schedule remembers when the last check ran and backs up when the
// backup time of day lies after that check and not after now, and never
// twice for the same day's backup time.
#include <cstdint>
#include <optional>

#include "core/settings/ValueForms.h"
#include "core/util/LocalTime.h"

namespace cvd {

class DailyBackupSchedule {
 public:
  // The timer was enabled at `now`; backup times up to now are not due.
  void Start(const LocalDateTime& now) { lastTick_ = now; }
  // A tick at `now`: true when a backup is due now. Only hours and minutes of
  // `backupTime` count.
  bool Tick(const LocalDateTime& now, bool autoBackup, const TimeOfDay& backupTime);
  // Milliseconds from `now` to the next backup moment after it.
  static std::int64_t MsToNextMoment(const LocalDateTime& now, const TimeOfDay& backupTime);

 private:
  std::optional<LocalDateTime> lastTick_;
  std::optional<LocalDateTime> lastBackupMoment_;
};

}  // namespace cvd
