#include "core/app/Migration.h"

#include <cstdio>

#include "core/ports/Messages.h"
#include "core/settings/DataFileStore.h"
#include "core/settings/MainSettingsIni.h"
#include "core/util/Files.h"

namespace cvd {

bool MigrateFromProgramDir(const Directories& dirs, Messages& ui) {
  if (SameFolder(dirs.DataDir, dirs.ProgramDir)) return false;
  const std::string ini = kSettingsFileName;
  const std::string dat = kDataFileName;
  if (FileExists(dirs.DataDir + ini) || FileExists(dirs.DataDir + dat)) return false;
  if (!FileExists(dirs.ProgramDir + ini) || !FileExists(dirs.ProgramDir + dat)) return false;
  std::string error;
  if (!CopyFileReplacing(dirs.ProgramDir + ini, dirs.DataDir + ini, error)) return false;
  if (!CopyFileReplacing(dirs.ProgramDir + dat, dirs.DataDir + dat, error)) {
    // Both or neither: a lone settings file would stop the next start from trying again.
    std::remove((dirs.DataDir + ini).c_str());
    return false;
  }
  ui.CursorMessageDlg(
      "Corvinade has copied your button information to a new directory.\n\nOld directory: " + dirs.ProgramDir +
          "\nNew directory: " + dirs.DataDir + "\n\nAdjust your backup strategy if required.",
      MsgKind::Information, MsgButtons::Ok);
  return true;
}

}  // namespace cvd
