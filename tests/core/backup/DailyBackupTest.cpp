#include "core/backup/DailyBackup.h"

#include <gtest/gtest.h>

namespace cvd {
namespace {

LocalDateTime At(int day, int hour, int minute, int second = 0) { return {2024, 3, day, hour, minute, second}; }

TEST(DailyBackupTest, LateTicksDoNotSkipTheDaysBackup) {
  const TimeOfDay noon{12, 0, 0};
  const std::tuple<LocalDateTime, LocalDateTime, bool, bool> cases[] = {
      {At(10, 11, 59, 50), At(10, 12, 3, 0), true, true},  // a busy machine, three minutes late
      {At(10, 12, 0, 0), At(10, 12, 1, 0), true, false},   // the moment was in the last tick's range
      {At(10, 9, 0, 0), At(10, 18, 0, 0), true, true},     // suspended across it
      {At(9, 23, 0, 0), At(10, 1, 0, 0), true, false},     // overnight, before the time
      {At(9, 11, 0, 0), At(12, 8, 0, 0), true, true},      // days asleep: one backup for yesterday's
      {At(10, 11, 0, 0), At(10, 13, 0, 0), false, false},  // backups off
      {At(10, 13, 0, 0), At(10, 12, 30, 0), true, false},  // clock set back
  };
  for (const auto& [previous, now, autoBackup, due] : cases) {
    DailyBackupSchedule schedule;
    schedule.Start(previous);
    EXPECT_EQ(schedule.Tick(now, autoBackup, noon), due)
        << previous.Day << " " << previous.Hour << ":" << previous.Minute << " -> " << now.Day << " " << now.Hour << ":"
        << now.Minute;
  }
}

TEST(DailyBackupTest, ABackupTimeJustBeforeMidnightIsCaughtAfterIt) {
  DailyBackupSchedule schedule;
  schedule.Start(At(10, 23, 58, 50));
  EXPECT_TRUE(schedule.Tick(At(11, 0, 2, 0), true, TimeOfDay{23, 59, 0}));
  // Seconds do not count: a tick in the backup minute is in time.
  DailyBackupSchedule noon;
  noon.Start(At(10, 11, 59, 30));
  EXPECT_TRUE(noon.Tick(At(10, 12, 0, 30), true, TimeOfDay{12, 0, 45}));
}

TEST(DailyBackupTest, AReplayedHourDoesNotBackUpTwice) {
  DailyBackupSchedule schedule;
  schedule.Start(At(10, 2, 29, 0));
  EXPECT_TRUE(schedule.Tick(At(10, 2, 30, 0), true, TimeOfDay{2, 30, 0}));
  EXPECT_FALSE(schedule.Tick(At(10, 2, 0, 0), true, TimeOfDay{2, 30, 0}));  // summer time ends
  EXPECT_FALSE(schedule.Tick(At(10, 2, 30, 30), true, TimeOfDay{2, 30, 0}));
}

TEST(DailyBackupTest, WithoutAStartTheFirstTickOnlySetsTheBaseline) {
  DailyBackupSchedule schedule;
  EXPECT_FALSE(schedule.Tick(At(10, 12, 0, 10), true, TimeOfDay{12, 0, 0}));
  EXPECT_TRUE(schedule.Tick(At(11, 12, 0, 10), true, TimeOfDay{12, 0, 0}));
}

TEST(DailyBackupTest, DatesFormatAndStepBackAcrossMonthsAndYears) {
  EXPECT_EQ(YyMmDd({2100, 12, 31, 0, 0, 0}), "001231");
  EXPECT_EQ(DayBefore({2024, 3, 1, 7, 8, 9}), (LocalDateTime{2024, 2, 29, 7, 8, 9}));
  EXPECT_EQ(DayBefore({2023, 1, 1, 0, 0, 0}), (LocalDateTime{2022, 12, 31, 0, 0, 0}));
}

}  // namespace
}  // namespace cvd
