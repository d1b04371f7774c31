#pragma once
// Loading and saving of the settings files around the data file: the load
// runs the network settings, the data file and the main settings in that
// order; the save writes "corvinade.ini", the data file and "Network.ini".
#include <functional>
#include <string>

#include "core/data/GroupTable.h"
#include "core/settings/DataFileStore.h"
#include "core/settings/Directories.h"
#include "core/settings/MainSettingsIni.h"
#include "core/settings/NetworkIni.h"
#include "core/settings/ScreenCorrections.h"
#include "core/settings/Settings.h"

namespace cvd {

class Messages;
class ButtonWindowView;

inline constexpr const char* kDataDirMissingText = "Unable to access data directory:\n";
inline constexpr const char* kDataDirChangedText = "Data directory changed to:";

// How the settings files are read (ReadWholeFile's contract): tests pass one
// that fails on purpose.
using SettingsFileReader =
    std::function<bool(const std::string& path, std::string& bytes, std::string* error, bool* missing)>;

class SettingsFiles {
 public:
  // `dirs` must hold ProgramDir and DefaultDataDir (GetAppDataFolderPath).
  SettingsFiles(Settings& settings, Directories& dirs, GroupTable& table, Messages& ui, ButtonWindowView& screen,
                DataFileStore& data);

  // The font of the button window, for the legacy font keys.
  void SetLegacyFont(const std::string& name, int size);
  // Counts the lines of the share file in a folder, so that a start without
  // "load shared clips on start" skips what is already there.
  void SetShareFileLineCounter(std::function<int(const std::string& shareDir)> counter);
  void SetFileReader(SettingsFileReader reader) { reader_ = std::move(reader); }

  // Start-up and restore: directories and "Network.ini", the data file, then
  // "corvinade.ini". The caller then rebuilds its menus and lists and
  // selects StartListPosition(settings.LastGroup, ...).
  // A settings file that cannot be read, or holds what no writer makes, is
  // kept aside (see KeepDamagedCopy) and the user told; what can be read of
  // it is used. "corvinade.ini" is then written afresh at the next save. A
  // "Network.ini" that names no readable data folder is not written at all
  // until the user chooses a data folder: it is the only record of where
  // the user's groups are.
  void LoadSettings();
  // Exit and the other save points. Every file is attempted; failures are
  // reported together in one message. True when all three were written.
  // The caller stores current window positions in the model first.
  bool SaveSettings();
  // Only "Network.ini" (data directory or share folder changed).
  bool SaveNetworkSettings();
  // Only [SearchWindow] of "corvinade.ini", as the search window does when it closes.
  bool SaveSearchWindowSettings();
  // Only [Portal] of "corvinade.ini", as a new grant to type arrives.
  bool SavePortalSettings();

  std::string SettingsFilePath() const { return dirs_.DataDir + kSettingsFileName; }
  std::string DataFilePath() const { return dirs_.DataDir + kDataFileName; }
  std::string NetworkFilePath() const { return dirs_.DefaultDataDir + kNetworkFileName; }

  Settings& Model() { return settings_; }
  Directories& Dirs() { return dirs_; }
  Messages& GetUi() { return ui_; }

 private:
  // What could be read of a settings file; `damage` says why it is damaged
  // (then the file was kept aside and `copy` names the copy).
  struct Read {
    std::string damage;
    std::string copy;
    std::string copyError;
  };
  Read ReadSettingsFile(const std::string& path, IniFile& ini);
  void TellDamaged(const std::string& what, const std::string& path, const Read& read, const std::string& outcome);
  void LoadNetworkStep();
  void LoadMainFile(IniFile& ini);
  // Writes one part of "corvinade.ini" over the file as it is (the whole
  // file when the one read was damaged).
  bool SaveSection(const std::function<void(IniFile&)>& write);
  bool SaveMainFile(std::string& failures);
  bool SaveNetworkFile(std::string& failures);
  void ReportFailures(const std::string& failures);

  Settings& settings_;
  Directories& dirs_;
  GroupTable& table_;
  Messages& ui_;
  // Where the stored window positions are placed.
  ButtonWindowView& screen_;
  DataFileStore& data_;
  LegacyDefaults legacy_;
  std::function<int(const std::string&)> shareLineCounter_;
  SettingsFileReader reader_;
  // "corvinade.ini" was damaged: the next write starts from nothing.
  bool mainAfresh_ = false;
  // "Network.ini" was damaged: the next write starts from nothing; while
  // `networkHeld_`, it is not written unless the data folder changes from
  // `heldDataDir_` (the one in use since it named none).
  bool networkAfresh_ = false;
  bool networkHeld_ = false;
  std::string heldDataDir_;
};

// The text of a failed write, as the save reports it.
std::string CannotCreateFileText(const std::string& path, const std::string& reason);

}  // namespace cvd
