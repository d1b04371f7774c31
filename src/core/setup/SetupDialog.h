#pragma once
// The setup dialog's logic: the program-wide options it edits, the rules of
// closing it (the fade texts must be valid; the idle timer and the "do not
// ask again" flags are settled), and the backup, data folder and share
// controls. The options live in the settings model, so closing needs no
// "apply" step.
#include <algorithm>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "core/backup/BackupActions.h"
#include "core/desktop/DesktopActions.h"
#include "core/ports/SetupView.h"
#include "core/share/ShareSync.h"
#include "core/util/Geometry.h"
#include "core/util/Required.h"

namespace cvd {

inline constexpr const char* kFadeInvalidText =
    "Fade out function parameters are invalid, please correct them before closing Corvinade Settings.";

// The check boxes of the Options and Network pages.
enum class SetupOption {
  ShowOnStart,
  DontCopy,
  AdvWinTrack,
  DoNotAskAgain,
  FadeOut,
  RollUp,
  Minimize,
  RestoreOnCopy,
  AutoBackup,
  ShareClipboard,
  LoadShareOnStart,
  ShowShareMsg,
  StartAtLogin,
};

enum class FadeField { FadeTime, FadeLevel };

// What the dialog asks of the rest of the program.
struct SetupHooks {
  Required<int()> opacity;                  // the button window's opacity now
  Required<void(bool on)> enableIdleTimer;  // the fade's inactivity timer
  Required<void()> advWinTrackChanged;      // "Use advanced target window tracking" changed
  Required<void()> saveSettings;            // settings and data to disk
  Required<void()> restoreFocus;            // back to the window the user worked in
  std::function<void()> shareChanged;       // "Monitor shared clipboard directory" changed
};

struct SetupParts {
  Settings& settings;
  const Directories& dirs;
  GroupTable& table;
  BackupActions& backup;
  DesktopActions& desktop;
};

class SetupDialog {
 public:
  SetupDialog(SetupParts parts, Messages& ui, Shell& shell, SetupView& view, SetupHooks hooks);

  // The tray menu's "Settings": the page the dialog was last on.
  void MenuSetupClick();
  // The caption menu's "Settings": the first page; settings and data are
  // saved after it closes.
  void SystemMenuSettings();
  // The quick fix editor's "Change shortcut key": the Shortcuts page with
  // `row` of the shortcut grid selected.
  void OpenAtShortcutRow(int row);

  bool Option(SetupOption option) const;
  // False when the change could not be made (the user has been told).
  bool SetOption(SetupOption option, bool on);
  // `FadeLevel` can be edited only while "Fade out" is ticked.
  bool FadeLevelEnabled() const { return settings_.FadeOutOption; }
  const std::string& FadeText(FadeField field) const;
  void SetFadeText(FadeField field, const std::string& text);
  // An invalid text is shown in red and blocks closing.
  bool FadeTextValid(FadeField field) const;

  TimeOfDay BackupTime() const { return settings_.BackupTime; }
  void SetBackupTime(int hour, int minute);
  const std::string& BackupDirectory() const { return settings_.BackupDirectory; }
  const std::string& DataDir() const { return dirs_.DataDir; }
  const std::string& ShareDir() const { return dirs_.ShareDir; }
  void BackupNowButton() { backup_.BackupNowButton(); }
  void FindBackupDirButton() { backup_.FindBackupDirButton(); }
  void RestoreBackupButton() { backup_.RestoreBackup(); }
  // Opens the data folder in the desktop's file browser.
  void ManualBackupButton();
  void DataDirButton() { backup_.DataDirButton(); }
  void ShareDirButton() { backup_.ShareDirButton(); }

  // The groups with their share ticks, in table order.
  std::vector<ShareListItem> ShareList() const { return UpdateShareList(table_); }
  void SetShared(int group, bool shared);
  void ShareAllButton() { ShareAll(true); }
  void ShareNoneButton() { ShareAll(false); }

  // The programs whose copies are never kept, one window class per line,
  // and how many minutes "Pause Clipboard History" lasts (0 until resumed).
  std::string IgnoredProgramsText() const { return ProgramListText(settings_.Privacy.IgnoredPrograms); }
  void SetIgnoredProgramsText(const std::string& text) { settings_.Privacy.IgnoredPrograms = ProgramListOf(text); }
  int PauseMinutes() const { return settings_.Privacy.PauseMinutes; }
  void SetPauseMinutes(int minutes) { settings_.Privacy.PauseMinutes = std::clamp(minutes, 0, kMaxPauseMinutes); }

  // The dialog's frame as [Windows] stores it.
  Rect StoredFrame() const;
  void StoreFrame(const Rect& frame);

  // Every way of closing the dialog asks this; false keeps it open.
  bool CloseQuery();

 private:
  void Show(std::optional<SetupPage> page, int row);
  void ShareAll(bool shared);

  Settings& settings_;
  const Directories& dirs_;
  GroupTable& table_;
  BackupActions& backup_;
  DesktopActions& desktop_;
  Messages& ui_;
  Shell& shell_;
  SetupView& view_;
  SetupHooks hooks_;
  bool resetDontAsk_ = false;  // "Reset all "Do not ask again" dialog settings"
};

}  // namespace cvd
