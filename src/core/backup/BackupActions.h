#pragma once
// Backup copies of the settings and data files, restoring them, and moving
// the data directory or the share folder: the operations behind the setup
// dialog's backup and network controls and the daily backup.
#include <functional>
#include <string>

#include "core/backup/DailyBackup.h"
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

  // The minute timer was enabled; call once at start-up.
  void StartDailyBackup();
  // One tick of the minute timer.
  void MinuteTimerTimer();

 private:
  bool ChooseRestoreFile(std::string& folder, std::string& suffix);
  bool ChooseNewestBackup(std::string& suffix);
  void Reload();

  SettingsFiles& files_;
  BackupHooks hooks_;
  std::string programFilesDir_;
  DailyBackupSchedule schedule_;
};

// The newest "corvinade.dat" + suffix in `folder` whose "corvinade.ini" +
// suffix also exists, by creation time (a later file must be strictly
// newer); the suffix, or nothing when there is no complete pair.
std::optional<std::string> NewestBackupSuffix(const std::string& folder);

// The suffix of a chosen backup data file: what follows "corvinade.dat" in
// its name, or for other names their extension, where ".dat" means none.
std::string BackupSuffixOf(const std::string& fileName);

}  // namespace cvd
