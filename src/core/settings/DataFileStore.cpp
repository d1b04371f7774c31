#include "core/settings/DataFileStore.h"

namespace cvd {

void GroupTableStore::LoadData(const std::string& dataDir, const LegacyDisplay& legacy) {
  // A damaged file also empties the quick fix and paste method lists; the
  // main settings read that follows fills them again from the settings file.
  cvd::LoadData(table_, dataDir, programDir_, legacy, ui_);
}

bool GroupTableStore::SaveData(const std::string& dataDir, std::string& error) {
  return cvd::SaveData(table_, dataDir, &error);
}

}  // namespace cvd
