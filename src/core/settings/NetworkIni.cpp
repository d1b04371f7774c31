#include "core/settings/NetworkIni.h"

#include <cstdlib>

#include "core/util/Files.h"

namespace cvd {
namespace {
const std::string kDirectories = "Directories";
const std::string kShare = "Share";

// Group files are the user's documents: until a folder is remembered, their
// dialogs open in the home folder, not in the program's own.
std::string DocumentsFolder(const Directories& dirs) {
  const char* home = std::getenv("HOME");
  return home != nullptr && home[0] == '/' ? std::string(home) : dirs.DefaultDataDir;
}
}  // namespace

NetworkValues ReadNetworkSettings(const IniFile& ini, const Directories& dirs) {
  NetworkValues v;
  v.DataDir = WithTrailingSlash(ini.ReadString(kDirectories, "DataDir", dirs.DefaultDataDir));
  v.ExportDir = WithTrailingSlash(ini.ReadString(kDirectories, "ExportDir", DocumentsFolder(dirs)));
  v.ImportDir = WithTrailingSlash(ini.ReadString(kDirectories, "ImportDir", DocumentsFolder(dirs)));
  v.ShareLine = ini.ReadInteger(kShare, "ShareLine", 0);
  v.ShareDir = WithTrailingSlash(ini.ReadString(kShare, "ShareDir", dirs.DefaultDataDir));
  v.ShareClipboard = ini.ReadBool(kShare, "Enabled", false);
  v.LoadShareOnStart = ini.ReadBool(kShare, "Startup", false);
  v.ShowShareMsg = ini.ReadBool(kShare, "Message", false);
  return v;
}

std::string LikelyDataDir(const std::string& defaultDataDir) {
  IniFile ini;
  if (!ini.Load(defaultDataDir + kNetworkFileName)) return defaultDataDir;
  const std::string named = WithTrailingSlash(ini.ReadString(kDirectories, "DataDir", defaultDataDir));
  return DirectoryExists(named) ? named : defaultDataDir;
}

void WriteNetworkSettings(IniTarget& ini, const Directories& dirs, const Settings& s) {
  ini.WriteString(kDirectories, "DataDir", dirs.DataDir);
  ini.WriteString(kDirectories, "ExportDir", dirs.ExportDir);
  ini.WriteString(kDirectories, "ImportDir", dirs.ImportDir);
  ini.WriteInteger(kShare, "ShareLine", s.ShareLine);
  ini.WriteString(kShare, "ShareDir", dirs.ShareDir);
  ini.WriteBool(kShare, "Enabled", s.ShareClipboard);
  ini.WriteBool(kShare, "Startup", s.LoadShareOnStart);
  ini.WriteBool(kShare, "Message", s.ShowShareMsg);
}

}  // namespace cvd
