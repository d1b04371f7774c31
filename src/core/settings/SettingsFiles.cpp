#include "core/settings/SettingsFiles.h"

#include "core/log/Log.h"
#include "core/ports/ButtonWindowView.h"
#include "core/ports/Messages.h"
#include "core/settings/IniDamage.h"
#include "core/settings/IniFile.h"
#include "core/settings/PortalIni.h"
#include "core/settings/PrivacyIni.h"
#include "core/settings/TerminalsIni.h"
#include "core/util/AtomicFile.h"
#include "core/util/Files.h"
#include "core/util/KeepAside.h"

namespace cvd {

std::string CannotCreateFileText(const std::string& path, const std::string& reason) {
  return "Cannot create file \"" + path + "\". " + reason;
}

SettingsFiles::SettingsFiles(Settings& settings, Directories& dirs, GroupTable& table, Messages& ui,
                             ButtonWindowView& screen, DataFileStore& data)
    : settings_(settings),
      dirs_(dirs),
      table_(table),
      ui_(ui),
      screen_(screen),
      data_(data),
      reader_([](const std::string& path, std::string& bytes, std::string* error, bool* missing) {
        return ReadWholeFile(path, bytes, error, missing);
      }) {}

SettingsFiles::Read SettingsFiles::ReadSettingsFile(const std::string& path, IniFile& ini) {
  Read read;
  std::string bytes;
  bool missing = false;
  if (!reader_(path, bytes, &read.damage, &missing)) {
    ini.LoadFromText({});
    if (missing) {
      read.damage.clear();
      return read;
    }
    if (read.damage.empty()) read.damage = "it could not be read";
    read.copyError = read.damage;
    read.copy = KeepDamagedCopy(path, nullptr, read.copyError);
    return read;
  }
  if (bytes.size() > IniFile::kMaxFileBytes) {
    read.damage = "it is larger than any settings file";
    read.copy = KeepDamagedCopy(path, nullptr, read.copyError);
    ini.LoadFromText({});
    return read;
  }
  if (auto damage = IniTextDamage(bytes)) read.damage = std::move(*damage);
  if (!read.damage.empty()) {
    const std::string_view view = bytes;
    read.copy = KeepDamagedCopy(path, &view, read.copyError);
    bytes = CleanedIniText(bytes);
  }
  ini.LoadFromText(std::move(bytes));
  return read;
}

void SettingsFiles::TellDamaged(const std::string& what, const std::string& path, const Read& read,
                                const std::string& outcome) {
  LogWarning("settings", path + " could not be read (" + read.damage + "); " +
                             (read.copy.empty() ? "no copy kept: " + read.copyError : "kept as " + read.copy));
  std::string text = "The Corvinade " + what + " could not be read:\n" + path + "\n(" + read.damage + ")\n\n";
  text += read.copy.empty() ? "No copy of it could be kept (" + read.copyError + ")."
                            : "The file as it was is kept as:\n" + read.copy;
  ui_.CursorMessageDlg(text + "\n\n" + outcome, MsgKind::Error, MsgButtons::Ok);
}

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
  Read read = ReadSettingsFile(networkFile, network);
  const bool namesFolder = network.Value("Directories", "DataDir").has_value();
  const bool foldersOnly = network.HasSection("Directories") || !network.HasSection("Share");
  if (read.damage.empty() && !namesFolder && foldersOnly && FileExists(networkFile)) {
    // Every write names the data folder: a file without it (an empty one,
    // one whose section names are damaged) was cut short or damaged. One
    // made by hand with only the share settings is fine.
    read.damage = "it names no data folder";
    std::string bytes;
    if (reader_(networkFile, bytes, nullptr, nullptr)) {
      const std::string_view view = bytes;
      read.copy = KeepDamagedCopy(networkFile, &view, read.copyError);
    }
  }
  const NetworkValues values = ReadNetworkSettings(network, dirs_);
  networkAfresh_ = !read.damage.empty();
  // A damaged file is trusted only with a data folder that is there.
  networkHeld_ = networkAfresh_ && !(namesFolder && DirectoryExists(values.DataDir));
  heldDataDir_ = dirs_.DefaultDataDir;

  dirs_.DataDir = dirs_.DefaultDataDir;
  if (networkHeld_) {
    TellDamaged("network settings file", networkFile, read,
                "Corvinade uses the data folder:\n" + dirs_.DataDir +
                    "\n\nThe file is left as it is until a data folder is chosen in Corvinade Settings.");
  } else if (DirectoryExists(values.DataDir)) {
    dirs_.DataDir = values.DataDir;
    if (networkAfresh_) {
      TellDamaged(
          "network settings file", networkFile, read,
          "The data folder it names stays in use:\n" + dirs_.DataDir + "\n\nA new network settings file is written.");
    }
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
  LoadMainFile(ini);
  // Defaults for the legacy keys, then the stored ones when a data file exists.
  ReadEarlySettings(IniFile{}, settings_, legacy_);
  if (FileExists(DataFilePath())) ReadEarlySettings(ini, settings_, legacy_);
  // A big history reads the group the window shows first.
  data_.ShowFirst(ReadLastGroup(ini));
  data_.LoadData(dirs_.DataDir, settings_.Legacy);

  ReadMainSettings(ini, settings_, screen_.Screen(), dirs_.DataDir);
  ReadTerminalSettings(ini, settings_.Terminals);
  ReadPrivacySettings(ini, settings_.Privacy);
  settings_.PortalRestoreToken = ReadPortalRestoreToken(ini);
}

void SettingsFiles::LoadMainFile(IniFile& ini) {
  const std::string path = SettingsFilePath();
  Read read = ReadSettingsFile(path, ini);
  if (read.damage.empty()) {
    const std::vector<std::string> keys = UnreadableMainKeys(ini);
    if (!keys.empty()) {
      read.damage = "unreadable value of " + keys.front() + (keys.size() > 1 ? " and more" : "");
      std::string bytes;
      if (reader_(path, bytes, nullptr, nullptr)) {
        const std::string_view view = bytes;
        read.copy = KeepDamagedCopy(path, &view, read.copyError);
      }
    }
  }
  mainAfresh_ = !read.damage.empty();
  if (mainAfresh_) {
    TellDamaged("settings file", path, read,
                "What could be read of it is used, the rest takes its defaults; a new settings file is written.");
  }
}

bool SettingsFiles::SaveMainFile(std::string& failures) {
  const int position = table_.CurrentListPosition();
  settings_.LastGroup = position > 0 ? position : 0;
  const std::string path = SettingsFilePath();
  IniFile ini;
  if (mainAfresh_) {
    // A clean file: what the damaged one held beside the settings is in its copy.
    WriteSearchWindowSettings(ini, settings_);
  } else {
    ini.Load(path);  // keeps what this program does not know
  }
  WriteMainSettings(ini, settings_);
  WriteTerminalSettings(ini, settings_.Terminals);
  WritePrivacySettings(ini, settings_.Privacy);
  WritePortalRestoreToken(ini, settings_.PortalRestoreToken);
  std::string error;
  if (ini.Save(path, error)) {
    mainAfresh_ = false;
    return true;
  }
  failures += (failures.empty() ? "" : "\n") + CannotCreateFileText(path, error);
  return false;
}

bool SettingsFiles::SaveNetworkFile(std::string& failures) {
  const std::string path = NetworkFilePath();
  if (networkHeld_ && SameFolder(dirs_.DataDir, heldDataDir_)) {
    LogInfo("settings", path + " is left as it is: it named no readable data folder");
    return true;
  }
  IniFile ini;
  if (!networkAfresh_) ini.Load(path);
  WriteNetworkSettings(ini, dirs_, settings_);
  std::string error;
  if (ini.Save(path, error)) {
    networkAfresh_ = networkHeld_ = false;
    return true;
  }
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
  return SaveSection([this](IniFile& ini) { WriteSearchWindowSettings(ini, settings_); });
}

bool SettingsFiles::SavePortalSettings() {
  return SaveSection([this](IniFile& ini) { WritePortalRestoreToken(ini, settings_.PortalRestoreToken); });
}

bool SettingsFiles::SaveSection(const std::function<void(IniFile&)>& write) {
  if (mainAfresh_) {
    // The damaged file is not to be read back: the whole clean one is written.
    std::string failures;
    const bool ok = SaveMainFile(failures);
    ReportFailures(failures);
    return ok;
  }
  const std::string path = SettingsFilePath();
  IniFile ini;
  ini.Load(path);
  write(ini);
  std::string error;
  if (ini.Save(path, error)) return true;
  ReportFailures(CannotCreateFileText(path, error));
  return false;
}

}  // namespace cvd
