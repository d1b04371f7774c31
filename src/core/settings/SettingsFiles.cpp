#include "core/settings/SettingsFiles.h"

#include "core/ports/ButtonWindowView.h"
#include "core/ports/Messages.h"
#include "core/settings/IniFile.h"
#include "core/settings/TerminalsIni.h"
#include "core/util/Files.h"

namespace cvd {

std::string CannotCreateFileText(const std::string& path, const std::string& reason) {
  return "Cannot create file \"" + path + "\". " + reason;
}

SettingsFiles::SettingsFiles(Settings& settings, Directories& dirs, GroupTable& table, Messages& ui,
                             ButtonWindowView& screen, DataFileStore& data)
    : settings_(settings), dirs_(dirs), table_(table), ui_(ui), screen_(screen), data_(data) {}

void SettingsFiles::SetLegacyFont(const std::string& name, int size) {
  legacy_.FontName = name;
  legacy_.FontSize = size;
}

void SettingsFiles::SetShareFileLineCounter(std::function<int(const std::string&)> counter) {
  shareLineCounter_ = std::move(counter);
}

void SettingsFiles::LoadNetworkStep() {
  const std::string networkFile = NetworkFilePath();
  const std::string programCopy = dirs_.ProgramDir + kNetworkFileName;
  if (!FileExists(networkFile) && FileExists(programCopy)) {
    std::string ignored;
    CopyFileReplacing(programCopy, networkFile, ignored);
  }
  IniFile network;
  network.Load(networkFile);
  const NetworkValues values = ReadNetworkSettings(network, dirs_);

  dirs_.DataDir = dirs_.DefaultDataDir;
  if (DirectoryExists(values.DataDir)) {
    dirs_.DataDir = values.DataDir;
  } else {
    ui_.CursorMessageDlg(
        std::string(kDataDirMissingText) + values.DataDir + "\n\n" + kDataDirChangedText + "\n" + dirs_.DefaultDataDir,
        MsgKind::Error, MsgButtons::Ok);
  }
  dirs_.ExportDir = values.ExportDir;
  dirs_.ImportDir = values.ImportDir;
  dirs_.ShareDir = values.ShareDir;
  settings_.ShareLine = values.ShareLine;
  settings_.ShareClipboard = values.ShareClipboard;
  settings_.LoadShareOnStart = values.LoadShareOnStart;
  settings_.ShowShareMsg = values.ShowShareMsg;
  if (!settings_.LoadShareOnStart && shareLineCounter_) settings_.ShareLine = shareLineCounter_(dirs_.ShareDir);
}

void SettingsFiles::LoadSettings() {
  legacy_.ProgramDir = dirs_.ProgramDir;
  settings_ = DefaultSettings();
  ClearSettingsLists(settings_);
  LoadNetworkStep();

  IniFile ini;
  ini.Load(SettingsFilePath());
  // Defaults for the legacy keys, then the stored ones when a data file exists.
  ReadEarlySettings(IniFile{}, settings_, legacy_);
  if (FileExists(DataFilePath())) ReadEarlySettings(ini, settings_, legacy_);
  data_.LoadData(dirs_.DataDir, settings_.Legacy);

  ReadMainSettings(ini, settings_, screen_.Screen(), dirs_.DataDir);
  ReadTerminalSettings(ini, settings_.Terminals);
}

bool SettingsFiles::SaveMainFile(std::string& failures) {
  const int position = table_.CurrentListPosition();
  settings_.LastGroup = position > 0 ? position : 0;
  const std::string path = SettingsFilePath();
  IniFile ini;
  ini.Load(path);  // keeps what this program does not know
  WriteMainSettings(ini, settings_);
  WriteTerminalSettings(ini, settings_.Terminals);
  std::string error;
  if (ini.Save(path, error)) return true;
  failures += (failures.empty() ? "" : "\n") + CannotCreateFileText(path, error);
  return false;
}

bool SettingsFiles::SaveNetworkFile(std::string& failures) {
  const std::string path = NetworkFilePath();
  IniFile ini;
  ini.Load(path);
  WriteNetworkSettings(ini, dirs_, settings_);
  std::string error;
  if (ini.Save(path, error)) return true;
  failures += (failures.empty() ? "" : "\n") + CannotCreateFileText(path, error);
  return false;
}

void SettingsFiles::ReportFailures(const std::string& failures) {
  if (!failures.empty()) ui_.CursorMessageDlg(failures, MsgKind::Error, MsgButtons::Ok);
}

bool SettingsFiles::SaveSettings() {
  std::string failures;
  bool ok = SaveMainFile(failures);
  std::string error;
  if (!data_.SaveData(dirs_.DataDir, error)) {
    ok = false;
    failures += (failures.empty() ? "" : "\n") + CannotCreateFileText(DataFilePath(), error);
  }
  ok = SaveNetworkFile(failures) && ok;
  ReportFailures(failures);
  return ok;
}

bool SettingsFiles::SaveNetworkSettings() {
  std::string failures;
  const bool ok = SaveNetworkFile(failures);
  ReportFailures(failures);
  return ok;
}

bool SettingsFiles::SaveSearchWindowSettings() {
  const std::string path = SettingsFilePath();
  IniFile ini;
  ini.Load(path);
  WriteSearchWindowSettings(ini, settings_);
  std::string error;
  if (ini.Save(path, error)) return true;
  ReportFailures(CannotCreateFileText(path, error));
  return false;
}

}  // namespace cvd
