#include "core/settings/NetworkIni.h"

namespace cvd {
namespace {
const std::string kDirectories = "Directories";
const std::string kShare = "Share";
}  // namespace

NetworkValues ReadNetworkSettings(const IniFile& ini, const Directories& dirs) {
  NetworkValues v;
  v.DataDir = WithTrailingSlash(ini.ReadString(kDirectories, "DataDir", dirs.DefaultDataDir));
  v.ExportDir = WithTrailingSlash(ini.ReadString(kDirectories, "ExportDir", dirs.ProgramDir));
  v.ImportDir = WithTrailingSlash(ini.ReadString(kDirectories, "ImportDir", dirs.ProgramDir));
  v.ShareLine = ini.ReadInteger(kShare, "ShareLine", 0);
  v.ShareDir = WithTrailingSlash(ini.ReadString(kShare, "ShareDir", dirs.DefaultDataDir));
  v.ShareClipboard = ini.ReadBool(kShare, "Enabled", false);
  v.LoadShareOnStart = ini.ReadBool(kShare, "Startup", false);
  v.ShowShareMsg = ini.ReadBool(kShare, "Message", false);
  return v;
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
