#pragma once
// "Network.ini": where the data directory is and how clipboard sharing is set up.
#include "core/settings/Directories.h"
#include "core/settings/IniFile.h"
#include "core/settings/Settings.h"

namespace cvd {

inline constexpr const char* kNetworkFileName = "Network.ini";

struct NetworkValues {
  std::string DataDir;  // the configured data directory, with "/"
  std::string ExportDir;
  std::string ImportDir;
  std::string ShareDir;
  std::int32_t ShareLine = 0;
  bool ShareClipboard = false;
  bool LoadShareOnStart = false;
  bool ShowShareMsg = false;
};

// Folder defaults come from `dirs` (ProgramDir and DefaultDataDir).
NetworkValues ReadNetworkSettings(const IniFile& ini, const Directories& dirs);

// The data folder the settings will most likely use: the one "Network.ini"
// in `defaultDataDir` names when that folder is there, else the default.
// Found without telling anyone anything, for reading ahead.
std::string LikelyDataDir(const std::string& defaultDataDir);

void WriteNetworkSettings(IniTarget& ini, const Directories& dirs, const Settings& settings);

}  // namespace cvd
