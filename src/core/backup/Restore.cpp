// Restoring the settings and data files from a backup pair.
#include <optional>

#include "core/backup/BackupActions.h"
#include "core/journal/JournaledDataStore.h"
#include "core/ports/Messages.h"
#include "core/util/AtomicFile.h"
#include "core/util/Files.h"

namespace cvd {
namespace {

const char* kRestoreQuestion =
    "Do you want to restore your buttons from the last available backup?\n\n"
    "Note: Click No to manually select the backup file.\n\n"
    "Warning: Restoring buttons from a backup file will overwrite all current buttons.";
const char* kNoBackupQuestion =
    "No valid backup files were found in the backup directory.\nDo you want to manually select a backup file?";
const char* kRestoreDialogTitle = "Restore buttons from backup file";
// Shown as "Corvinade backup files (corvinade.dat*)".
const char* kRestoreFilter = "Corvinade backup files|corvinade.dat*";
const char* kNoPartnerText =
    "The configuration settings file associated with this backup file is not valid.\n"
    "Please select a different back up file.\n\n";

}  // namespace

std::string BackupSuffixOf(const std::string& fileName) {
  const std::string dataName = kDataFileName;
  // Backup names carry the whole suffix after the data file's name, so the
  // safety copies ".restore.yymmdd" pair with their own settings copies.
  if (fileName.rfind(dataName, 0) == 0) return fileName.substr(dataName.size());
  const auto dot = fileName.rfind('.');
  if (dot == std::string::npos) return "";
  const std::string extension = fileName.substr(dot);
  return extension == ".dat" ? "" : extension;
}

std::optional<std::string> NewestBackupSuffix(const std::string& folder) {
  std::optional<std::string> best;
  std::int64_t bestTime = 0;
  for (const std::string& name : FilesStartingWith(folder, std::string(kDataFileName) + ".")) {
    const std::string suffix = BackupSuffixOf(name);
    if (!FileExists(folder + kSettingsFileName + suffix)) continue;
    const auto created = FileCreationTime(folder + name);
    if (!created) continue;
    if (!best || *created > bestTime) {
      best = suffix;
      bestTime = *created;
    }
  }
  return best;
}

bool BackupActions::ChooseNewestBackup(std::string& suffix) {
  const auto newest = NewestBackupSuffix(files_.Model().BackupDirectory);
  if (!newest) return false;
  suffix = *newest;
  return true;
}

bool BackupActions::ChooseRestoreFile(std::string& folder, std::string& suffix) {
  Messages& ui = files_.GetUi();
  FileDialogOptions options;
  options.title = kRestoreDialogTitle;
  options.filter = kRestoreFilter;
  options.initialDir = files_.Model().BackupDirectory;
  const auto chosen = ui.OpenFileDialog(options);
  if (!chosen) return false;
  folder = FolderOf(*chosen);
  suffix = BackupSuffixOf(FileNameOf(*chosen));
  if (!FileExists(folder + kSettingsFileName + suffix)) {
    ui.CursorMessageDlg(kNoPartnerText + *chosen, MsgKind::Error, MsgButtons::Ok);
    return false;
  }
  return true;
}

void BackupActions::RestoreBackup() {
  Messages& ui = files_.GetUi();
  const MsgResult answer = ui.CursorMessageDlg(kRestoreQuestion, MsgKind::Confirmation, MsgButtons::YesNoCancel);
  if (answer == MsgResult::Cancel) return;

  const std::string backupDir = files_.Model().BackupDirectory;
  std::string folder = backupDir;
  std::string suffix;
  bool chosen = false;
  if (answer == MsgResult::Yes) {
    chosen = ChooseNewestBackup(suffix);
    if (!chosen && ui.CursorMessageDlg(kNoBackupQuestion, MsgKind::Confirmation, MsgButtons::YesNo) != MsgResult::Yes) {
      return;
    }
  }
  if (!chosen && !ChooseRestoreFile(folder, suffix)) return;

  const std::string dataDir = files_.Dirs().DataDir;
  // The live pair itself: nothing to restore.
  if (suffix.empty() && SameFolder(folder, dataDir)) return;

  // Read the chosen pair before the safety copies are made: restoring
  // today's safety copy must not restore the copy of the current files.
  const auto settingsCopy = ReadFileUpTo(folder + kSettingsFileName + suffix, kMaxCopyBytes);
  const auto dataCopy = ReadFileUpTo(folder + kDataFileName + suffix, kMaxCopyBytes);

  const std::string restoreSuffix = ".restore." + YyMmDd(hooks_.now());
  std::string ignored;
  CopyFileReplacing(dataDir + kSettingsFileName, backupDir + kSettingsFileName + restoreSuffix, ignored);
  CopyFileReplacing(dataDir + kDataFileName, backupDir + kDataFileName + restoreSuffix, ignored);

  // A missing source leaves that file as it was; the reload shows the result.
  if (settingsCopy) WriteFileAtomically(dataDir + kSettingsFileName, *settingsCopy, nullptr);
  // The journal extends the data being replaced, never the restored data.
  if (dataCopy) DiscardClipJournal(dataDir);
  if (dataCopy) WriteFileAtomically(dataDir + kDataFileName, *dataCopy, nullptr);
  Reload();
}

}  // namespace cvd
