#include "core/backup/DailyBackup.h"

#include <gtest/gtest.h>

namespace cvd {
namespace {

LocalDateTime At(int day, int hour, int minute, int second = 0) { return {2024, 3, day, hour, minute, second}; }

TEST(DailyBackupTest, OnTimeTicksBackUpInTheBackupMinuteOnly) {
  DailyBackupSchedule schedule;
  schedule.Start(At(10, 11, 58, 30));
  int backups = 0;
  LocalDateTime backedUpAt;
  for (int minute = 0; minute < 24 * 60 * 2; ++minute) {
    const int total = 11 * 60 + 59 + minute;  // ticks at hh:mm:30
    const LocalDateTime now = At(10 + total / (24 * 60), (total / 60) % 24, total % 60, 30);
    if (schedule.Tick(now, true, TimeOfDay{12, 0, 45})) {  // seconds do not count
      ++backups;
      backedUpAt = now;
      EXPECT_EQ(now.Hour, 12);
      EXPECT_EQ(now.Minute, 0);
    }
  }
  EXPECT_EQ(backups, 2);  // one a day
  EXPECT_EQ(backedUpAt.Day, 11);
}

TEST(DailyBackupTest, LateTicksDoNotSkipTheDaysBackup) {
  const TimeOfDay noon{12, 0, 0};
  const std::tuple<LocalDateTime, LocalDateTime, bool, bool> cases[] = {
      {At(10, 11, 59, 50), At(10, 12, 3, 0), true, true},     // a busy machine, three minutes late
      {At(10, 12, 0, 0), At(10, 12, 1, 0), true, false},      // the moment was in the last tick's range
      {At(10, 9, 0, 0), At(10, 18, 0, 0), true, true},        // suspended across it
      {At(9, 23, 0, 0), At(10, 1, 0, 0), true, false},        // overnight, before the time
      {At(9, 11, 0, 0), At(12, 8, 0, 0), true, true},         // days asleep: one backup for yesterday's
      {At(10, 11, 0, 0), At(10, 13, 0, 0), false, false},     // backups off
      {At(10, 13, 0, 0), At(10, 12, 30, 0), true, false},     // clock set back
  };
  for (const auto& [previous, now, autoBackup, due] : cases) {
    DailyBackupSchedule schedule;
    schedule.Start(previous);
    EXPECT_EQ(schedule.Tick(now, autoBackup, noon), due)
        << previous.Day << " " << previous.Hour << ":" << previous.Minute << " -> " << now.Day << " "
        << now.Hour << ":" << now.Minute;
  }
}

TEST(DailyBackupTest, ABackupTimeJustBeforeMidnightIsCaughtAfterIt) {
  DailyBackupSchedule schedule;
  schedule.Start(At(10, 23, 58, 50));
  EXPECT_TRUE(schedule.Tick(At(11, 0, 2, 0), true, TimeOfDay{23, 59, 0}));
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
