#include "core/settings/DataFileStore.h"

#include "core/ports/Messages.h"

namespace cvd {

DataLoadResult LoadData(GroupTable& table, const std::string& dataDir, const std::string& programDir,
                        const LegacyDisplay& legacy, Messages& ui, const DataBytesSeen& seen, const ReadAhead& ahead) {
  DataLoadResult result = LoadDataFile(table, dataDir, programDir, legacy, seen, ahead);
  for (const std::string& message : result.messages) ui.CursorMessageDlg(message, MsgKind::Error, MsgButtons::Ok);
  return result;
}

void GroupTableStore::LoadData(const std::string& dataDir, const LegacyDisplay& legacy) {
  // A damaged file also empties the quick fix and paste method lists; the
  // main settings read that follows fills them again from the settings file.
  cvd::LoadData(table_, dataDir, programDir_, legacy, ui_);
}

bool GroupTableStore::SaveData(const std::string& dataDir, std::string& error) {
  return cvd::SaveData(table_, dataDir, &error);
}

}  // namespace cvd
