#pragma once
// The data file as the settings load and save see it: they decide when it is
// read and written, the data file code decides how.
#include <string>

#include "core/data/DataFile.h"
#include "core/data/GroupTable.h"
#include "core/data/LegacyDisplay.h"

namespace cvd {

class Messages;

// Loads the data file (see LoadDataFile) and tells the user, through `ui`,
// what went wrong with it.
DataLoadResult LoadData(GroupTable& table, const std::string& dataDir, const std::string& programDir,
                        const LegacyDisplay& legacy, Messages& ui, const DataBytesSeen& seen = {},
                        const ReadAhead& ahead = {});

class DataFileStore {
 public:
  virtual ~DataFileStore() = default;
  // Reads `dataDir` + "corvinade.dat" into the group table (the default table
  // when it is missing); `legacy` gives every group its display settings when
  // the file has none.
  virtual void LoadData(const std::string& dataDir, const LegacyDisplay& legacy) = 0;
  // The next load shows the group at this list position (a "LastGroup"):
  // a store may read it before the others.
  virtual void ShowFirst(int listPosition) { (void)listPosition; }
  // Writes the group table to `dataDir` + "corvinade.dat", replacing the file
  // atomically; false with `error` set when it cannot.
  virtual bool SaveData(const std::string& dataDir, std::string& error) = 0;
};

// The program's own: the group table and the data file.
class GroupTableStore : public DataFileStore {
 public:
  GroupTableStore(GroupTable& table, std::string programDir, Messages& ui)
      : table_(table), programDir_(std::move(programDir)), ui_(ui) {}
  void LoadData(const std::string& dataDir, const LegacyDisplay& legacy) override;
  bool SaveData(const std::string& dataDir, std::string& error) override;

 private:
  GroupTable& table_;
  std::string programDir_;
  Messages& ui_;
};

}  // namespace cvd
