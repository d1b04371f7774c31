#pragma once
// Backup copies of the settings and data files, restoring them, and moving
// the data directory or the share folder: the operations behind the setup
// dialog's backup and network controls and the daily backup.
#include <functional>
#include <memory>
#include <string>

#include "core/backup/DailyBackup.h"
#include "core/ports/EventLoop.h"
#include "core/settings/SettingsFiles.h"
#include "core/util/LocalTime.h"
#include "core/util/Required.h"

namespace cvd {

inline constexpr const char* kProgramFilesDir = "/usr/";

struct BackupHooks {
  // Redraws the button window after the settings and data were reloaded.
  Required<void()> redraw;
  // Points the share-file watcher at a new folder.
  Required<void(const std::string& folder)> shareDirChanged;
  // Local time; tests pass their own clock.
  Required<LocalDateTime()> now = LocalNow;
};

class BackupActions {
 public:
  BackupActions(SettingsFiles& files, BackupHooks hooks, std::string programFilesDir = kProgramFilesDir);

  // Saves, then copies "corvinade.ini" and "corvinade.dat" to the backup
  // folder with "." + suffix appended; true when both copies were made.
  bool CopyBackupFiles(const std::string& suffix);
  void BackupNowButton();
  void FindBackupDirButton();
  void RestoreBackup();
  // True (after telling the user) when `folder` lies in the system program folder.
  bool FolderNotAllowed(const std::string& folder);
  void DataDirButton();
  void ShareDirButton();

  // Arms the daily backup: one timer to the next backup moment, and a check
  // whenever the wall clock jumps; nothing runs in between. Call once at
  // start-up; backup times up to now are not due.
  void StartDailyBackup(EventLoop& loop);
  void StopDailyBackup();
  // The backup time or its switch changed: times up to now are not due, the
  // timer goes to the next moment.
  void DailyBackupChanged();
  // Backs up when a backup moment passed since the last check, then arms
  // the timer for the next one.
  void CheckDailyBackup();

 private:
  bool ChooseRestoreFile(std::string& folder, std::string& suffix);
  bool ChooseNewestBackup(std::string& suffix);
  void Reload();

  SettingsFiles& files_;
  BackupHooks hooks_;
  std::string programFilesDir_;
  void ArmDailyBackup();

  DailyBackupSchedule schedule_;
  std::unique_ptr<Timer> dailyTimer_;
};

// The newest "corvinade.dat" + suffix in `folder` whose "corvinade.ini" +
// suffix also exists, by creation time (a later file must be strictly
// newer); the suffix, or nothing when there is no complete pair.
std::optional<std::string> NewestBackupSuffix(const std::string& folder);

// The suffix of a chosen backup data file: what follows "corvinade.dat" in
// its name, or for other names their extension, where ".dat" means none.
std::string BackupSuffixOf(const std::string& fileName);

}  // namespace cvd
