#include "core/backup/BackupActions.h"

#include "core/ports/Messages.h"
#include "core/util/Files.h"

namespace cvd {
namespace {

const char* kCopyFailedText = "Unable to copy data files to backup directory.\n\n";
const char* kCopiedText = "Data files copied to backup directory.\n\n";
const char* kAlreadyContainsText = "This directory already contains Corvinade Data Files.";
const char* kOverwriteText = "Do you want to overwrite them with your current files?";
constexpr int kCheckAfterJumpMs = 5000;

}  // namespace

BackupActions::BackupActions(SettingsFiles& files, BackupHooks hooks, std::string programFilesDir)
    : files_(files), hooks_(std::move(hooks)), programFilesDir_(std::move(programFilesDir)) {}

bool BackupActions::CopyBackupFiles(const std::string& suffix) {
  files_.SaveSettings();
  const Directories& dirs = files_.Dirs();
  const std::string backupDir = files_.Model().BackupDirectory;
  std::string error;
  const bool ok =
      CopyFileReplacing(dirs.DataDir + kSettingsFileName, backupDir + kSettingsFileName + "." + suffix, error) &&
      CopyFileReplacing(dirs.DataDir + kDataFileName, backupDir + kDataFileName + "." + suffix, error);
  if (!ok) files_.GetUi().CursorMessageDlg(kCopyFailedText + backupDir, MsgKind::Error, MsgButtons::Ok);
  return ok;
}

void BackupActions::BackupNowButton() {
  if (CopyBackupFiles("backup")) {
    files_.GetUi().CursorMessageDlg(kCopiedText + files_.Model().BackupDirectory, MsgKind::Information, MsgButtons::Ok);
  }
}

void BackupActions::FindBackupDirButton() {
  Settings& s = files_.Model();
  const std::string start = DirectoryExists(s.BackupDirectory) ? s.BackupDirectory : files_.Dirs().DataDir;
  const auto chosen = files_.GetUi().BrowseForFolder("Select Backup Folder", start, false);
  if (!chosen) return;
  const std::string folder = WithTrailingSlash(*chosen);
  if (FileExists(folder + kSettingsFileName + ".backup") && FileExists(folder + kDataFileName + ".backup")) {
    const MsgResult answer = files_.GetUi().CursorMessageDlg(
        folder + "\n\n" + kAlreadyContainsText + "\n\n" + kOverwriteText, MsgKind::Warning, MsgButtons::YesNo);
    if (answer != MsgResult::Yes) return;
  }
  s.BackupDirectory = folder;
  CopyBackupFiles("backup");
}

void BackupActions::StartDailyBackup(EventLoop& loop) {
  dailyTimer_ = loop.CreateTimer(0, true, [this] { CheckDailyBackup(); });
  // Timers count no time asleep, and a clock set by hand or by time sync
  // moves the moment: either way the check runs, a little after the jump,
  // so that a backup folder on the network is back after waking.
  loop.OnWallClockJump([this] {
    if (!dailyTimer_ || !dailyTimer_->IsActive()) return;
    dailyTimer_->SetInterval(kCheckAfterJumpMs);
    dailyTimer_->Start();
  });
  schedule_.Start(hooks_.now());
  ArmDailyBackup();
}

void BackupActions::StopDailyBackup() {
  if (dailyTimer_) dailyTimer_->Stop();
  dailyTimer_.reset();
}

void BackupActions::DailyBackupChanged() {
  if (!dailyTimer_) return;
  schedule_.Start(hooks_.now());
  ArmDailyBackup();
}

void BackupActions::CheckDailyBackup() {
  const LocalDateTime now = hooks_.now();
  const Settings& s = files_.Model();
  if (schedule_.Tick(now, s.AutoBackup, s.BackupTime)) CopyBackupFiles(YyMmDd(now));
  ArmDailyBackup();
}

void BackupActions::ArmDailyBackup() {
  const Settings& s = files_.Model();
  if (!s.AutoBackup) {
    dailyTimer_->Stop();
    return;
  }
  dailyTimer_->SetInterval(static_cast<int>(DailyBackupSchedule::MsToNextMoment(hooks_.now(), s.BackupTime)));
  dailyTimer_->Start();
}

void BackupActions::Reload() {
  files_.LoadSettings();
  DailyBackupChanged();
  if (hooks_.redraw) hooks_.redraw();
}

}  // namespace cvd
