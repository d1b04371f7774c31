// Moving the data directory and the share folder.
#include <filesystem>
#include <system_error>

#include "core/backup/BackupActions.h"
#include "core/ports/Messages.h"
#include "core/util/Files.h"
#include "core/util/Text.h"

namespace cvd {
namespace {

const char* kNotAllowedText =
    "Data files can not be located in the Program Files folder.\n\nPlease select a different folder.";
const char* kDataDirDialogTitle = "Select Data Directory";
const char* kOverwriteQuestion =
    "This directory already contains Corvinade Data Files.\n\n"
    "Do you want to overwrite them with your current files?\n\n"
    "(Click No to load the files in this directory into Corvinade)";
const char* kCopySetupQuestion =
    "Do you want to copy your current setup to this directory?\n\n"
    "(Click No to start with empty Data Files in this directory)";

bool UnderFolder(const std::string& candidate, const std::string& folder) {
  return UpperAscii(WithTrailingSlash(candidate)).rfind(UpperAscii(folder), 0) == 0;
}

}  // namespace

bool BackupActions::FolderNotAllowed(const std::string& folder) {
  if (programFilesDir_.empty()) return false;
  // Only folders below the system program folder count: "/home/me/usr/" is
  // fine. The resolved path catches links into it ("/bin" on merged systems).
  std::error_code error;
  const std::string resolved = std::filesystem::weakly_canonical(folder, error).string();
  const bool inside = UnderFolder(folder, programFilesDir_) || (!error && UnderFolder(resolved, programFilesDir_));
  if (inside) files_.GetUi().CursorMessageDlg(kNotAllowedText, MsgKind::Error, MsgButtons::Ok);
  return inside;
}

void BackupActions::DataDirButton() {
  Messages& ui = files_.GetUi();
  Directories& dirs = files_.Dirs();
  const auto chosen = ui.BrowseForFolder(kDataDirDialogTitle, dirs.DataDir, true);
  if (!chosen) return;
  const std::string folder = WithTrailingSlash(*chosen);
  if (FolderNotAllowed(folder)) return;
  if (folder == dirs.DataDir) return;

  const bool hasFiles = FileExists(folder + kSettingsFileName) && FileExists(folder + kDataFileName);
  const MsgResult answer = ui.CursorMessageDlg(folder + "\n\n" + (hasFiles ? kOverwriteQuestion : kCopySetupQuestion),
                                               MsgKind::Warning, MsgButtons::YesNoCancel);
  const std::string oldDir = dirs.DataDir;
  if (answer == MsgResult::Yes) {
    dirs.DataDir = folder;
    if (!files_.SaveSettings()) {
      // The new folder cannot hold the files: keep using the old one rather
      // than pointing the next start at a folder without them.
      dirs.DataDir = oldDir;
      files_.SaveSettings();
    }
  } else if (answer == MsgResult::No) {
    files_.SaveSettings();
    dirs.DataDir = folder;
    files_.SaveNetworkSettings();
    Reload();
  }
}

void BackupActions::ShareDirButton() {
  Directories& dirs = files_.Dirs();
  const auto chosen = files_.GetUi().BrowseForFolder("Select Share Folder", dirs.ShareDir, false);
  if (!chosen) return;
  const std::string folder = WithTrailingSlash(*chosen);
  if (folder == dirs.ShareDir) return;
  dirs.ShareDir = folder;
  files_.SaveNetworkSettings();
  if (hooks_.shareDirChanged) hooks_.shareDirChanged(folder);
}

}  // namespace cvd
