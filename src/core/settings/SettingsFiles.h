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

  // Start-up and restore: directories and "Network.ini", the data file, then
  // "corvinade.ini". The caller then rebuilds its menus and lists and
  // selects StartListPosition(settings.LastGroup, ...).
  void LoadSettings();
  // Exit and the other save points. Every file is attempted; failures are
  // reported together in one message. True when all three were written.
  // The caller stores current window positions in the model first.
  bool SaveSettings();
  // Only "Network.ini" (data directory or share folder changed).
  bool SaveNetworkSettings();
  // Only [SearchWindow] of "corvinade.ini", as the search window does when it closes.
  bool SaveSearchWindowSettings();

  std::string SettingsFilePath() const { return dirs_.DataDir + kSettingsFileName; }
  std::string DataFilePath() const { return dirs_.DataDir + kDataFileName; }
  std::string NetworkFilePath() const { return dirs_.DefaultDataDir + kNetworkFileName; }

  Settings& Model() { return settings_; }
  Directories& Dirs() { return dirs_; }
  Messages& GetUi() { return ui_; }

 private:
  void LoadNetworkStep();
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
};

// The text of a failed write, as the save reports it.
std::string CannotCreateFileText(const std::string& path, const std::string& reason);

}  // namespace cvd
