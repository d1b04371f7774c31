#include "support/FakeDataStore.h"

#include "core/util/AtomicFile.h"
#include "support/TempDir.h"

namespace cvd::testing {

void FakeDataStore::LoadData(const std::string& dataDir, const LegacyDisplay& legacy) {
  loadedFrom.push_back(dataDir);
  loadedContents.push_back(ReadTextFile(dataDir + kDataFileName));
  lastLegacy = legacy;
}

bool FakeDataStore::SaveData(const std::string& dataDir, std::string& error) {
  if (onSave) onSave();
  savedTo.push_back(dataDir);
  return WriteFileAtomically(dataDir + kDataFileName, contents, &error);
}

}  // namespace cvd::testing
