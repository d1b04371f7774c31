#pragma once
// The data file as the settings load and save see it: they decide when it is
// read and written, the data file code decides how.
#include <string>

#include "core/settings/Settings.h"

namespace cvd {

class DataFileStore {
 public:
  virtual ~DataFileStore() = default;
  // Reads `dataDir` + "corvinade.dat" into the group table (the default table
  // when it is missing); `legacy` gives every group its display settings when
  // the file has none.
  virtual void LoadData(const std::string& dataDir, const LegacyDisplay& legacy) = 0;
  // Writes the group table to `dataDir` + "corvinade.dat", replacing the file
  // atomically; false with `error` set when it cannot.
  virtual bool SaveData(const std::string& dataDir, std::string& error) = 0;
};

inline constexpr const char* kDataFileName = "corvinade.dat";

}  // namespace cvd
