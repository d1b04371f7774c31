#pragma once
// A data file stand-in for the settings tests: records when it was loaded and
// saved, and writes a small "corvinade.dat" so that backups have one to copy.
#include <functional>
#include <string>
#include <vector>

#include "core/settings/DataFileStore.h"
#include "core/util/AtomicFile.h"
#include "support/TempDir.h"

namespace cvd::test {

class FakeDataStore : public DataFileStore {
 public:
  void LoadData(const std::string& dataDir, const LegacyDisplay& legacy) override {
    loadedFrom.push_back(dataDir);
    loadedContents.push_back(ReadTextFile(dataDir + kDataFileName));
    lastLegacy = legacy;
  }
  bool SaveData(const std::string& dataDir, std::string& error) override {
    if (onSave) onSave();
    savedTo.push_back(dataDir);
    return WriteFileAtomically(dataDir + kDataFileName, contents, &error);
  }

  // Written by the next saves.
  std::string contents = "data\r\n";
  // What the loads read ("<missing>" when there was no file).
  std::vector<std::string> loadedFrom;
  std::vector<std::string> loadedContents;
  LegacyDisplay lastLegacy;
  std::vector<std::string> savedTo;
  // Runs at the start of each save, to look at the other files at that moment.
  std::function<void()> onSave;
};

}  // namespace cvd::test
