#pragma once
// The button window's module: program-wide state, the timers, start-up and
// shut-down, and the operations other parts call (Display, MakeCaption...).
#include <deque>
#include <functional>
#include <memory>
#include <string>

#include "core/app/Ports.h"
#include "core/data/GroupTable.h"
#include "core/paste/KeyMacroSender.h"
#include "core/paste/PasteMethods.h"
#include "core/quickfix/QuickFixRunner.h"
#include "core/ports/EventLoop.h"
#include "core/ports/Windows.h"
#include "core/backup/BackupActions.h"
#include "core/settings/DataFileStore.h"
#include "core/settings/Directories.h"
#include "core/settings/Settings.h"
#include "core/settings/SettingsFiles.h"
#include "core/window/Hints.h"

namespace cvd {

// System-menu command ids of the button window.
enum SystemCommand : int { scRollUp = 1000, scAlreadyRunning = 1001, scSearch = 1008, scSettings = 1009 };

inline constexpr const char* kAppTitle = "Corvinade";
inline constexpr const char* kAlreadyRunningText =
    "Corvinade is already running. You can click on the clipboard icon at any time to pop up the button window.";

enum class MouseButton { Left, Right, Other };

inline constexpr const char* kWelcomeText =
    "Thank you for using Corvinade! \nRight click on the notebook icon to access Setup.";

class Engine {
 public:
  Engine(const Ports& ports, Directories dirs);
  ~Engine();
  Engine(const Engine&) = delete;
  Engine& operator=(const Engine&) = delete;

  // The start-up sequence of the button window.
  void FormCreate();
  // Shut-down: releases what start-up took. Idempotent.
  void FormDestroy();
  // Before the program ends: saves settings and data. False when a file
  // could not be written (the user has been told).
  bool FormCloseQuery();
  // Ends the program as the tray menu's "Exit" does; `quit` ends the event loop.
  void SetQuitHandler(std::function<void()> quit) { quit_ = std::move(quit); }
  void MenuExitClick();

  // Lays the button window out for the current group.
  void Display();
  // A button's caption from its text, measured against the group on screen.
  std::string MakeCaption(const std::string& text);
  void SetPasteCount();
  void ColorButton(int button);
  void RestoreColorButton(int button);

  // Events from the view.
  void TargetTimerTimer();
  void WindowMoved();
  void CloseButtonWindow();
  void HandleSystemCommand(int command);
  // The user picked list position `position` in the group selector.
  void GroupListChange(int position);
  void ShowButtonWindow();
  void ButtonMouseDown(int button, MouseButton which);

  // Clipboard capture: a change notification schedules one capture 25 ms later.
  void ClipboardUpdate();
  void CopyDelayTimerTimer();
  void CopyFromClipboard();
  // Registers for clipboard notifications again (repairs a lost connection).
  void JoinClipboard();
  // One step of target tracking.
  void TrackTarget();
  // The part that switches groups by application or window title plugs in here.
  void SetMonitorHandler(std::function<void(const std::string& exe, const std::string& title, bool newWindow)> fn) {
    monitor_ = std::move(fn);
  }
  // Left click on the tray icon: show or hide the button window.
  void CoolTrayIconClick();

  GroupTable& Table() { return table_; }
  const GroupTable& Table() const { return table_; }
  const Directories& Dirs() const { return dirs_; }
  Directories& Dirs() { return dirs_; }
  const Ports& GetPorts() const { return ports_; }
  int ActiveButton() const { return activeButton_; }
  bool RolledUp() const { return rolledUp_; }
  bool Pasting() const { return pasting_; }
  const HintState& Hint() const { return hint_; }
  // Program-wide options and tables, as the settings files hold them.
  Settings& GetSettings() { return settings_; }
  SettingsFiles& Files() { return files_; }
  BackupActions& Backup() { return backup_; }
  // The quick fixes of the settings, run on the group table.
  QuickFixRunner& QuickFixes() { return quickFixes_; }
  // Whether the button editor is open; clips are not taken while it is.
  void SetEditorVisibleQuery(std::function<bool()> fn) { editorVisible_ = std::move(fn); }

  std::uint32_t LastSeqNo() const { return lastSeqNo_; }
  bool ClipboardSeen() const { return clipboardSeen_; }
  void SetClipboardSeen(bool seen) { clipboardSeen_ = seen; }
  void SetPasting(bool pasting) { pasting_ = pasting; }
  WindowId LastTarget() const { return lastTarget_; }
  const std::string& LastTargetTitle() const { return lastTargetTitle_; }
  const std::string& LastTargetExe() const { return lastTargetExe_; }
  int LastFilled() const { return lastFilled_; }
  int LastFillGroup() const { return lastFillGroup_; }
  const std::string& ComputerName() const { return computerName_; }

  // Pasting (EnginePaste.cpp). Pastes button `button` of group `group`
  // into the target window; out-of-range numbers do nothing.
  void ClickButton(int group, int button);
  // The setup dialog's test of a paste method against the title of the
  // window the user picked: on a match the method's macro is sent with
  // "Paste Test" on the clipboard; otherwise the user is told. Returns
  // whether the title matched.
  bool TestPasteMethod(const PasteMethod& method, const std::string& title);
  // The paste methods, tried in order.
  PasteMethods& PasteKeys() { return settings_.PasteKeys; }
  // The key macro interpreter and the keystroke primitives.
  KeyMacroSender& Macros() { return macroSender_; }

  // The timers, for the parts that drive them and for tests.
  Timer& TargetTimer() { return *targetTimer_; }
  Timer& CopyTimer() { return *copyTimer_; }
  Timer& CopyDelayTimer() { return *copyDelayTimer_; }
  Timer& ShortCutTimer() { return *shortCutTimer_; }
  Timer& ShareTimer() { return *shareTimer_; }
  Timer& FadeTimer() { return *fadeTimer_; }
  Timer& MinuteTimer() { return *minuteTimer_; }

 private:
  void LoadEverything();
  void PasteNow(int group, int button);
  void MinuteTimerTimer();
  void HoverHintStep();
  void SwitchToGroup(int groupIndex);

  Ports ports_;
  Directories dirs_;
  GroupTable table_;
  HintState hint_;
  int activeButton_ = 1;
  bool rolledUp_ = false;
  bool pasting_ = true;  // set from start until the end of start-up
  bool destroyed_ = false;
  bool sessionLockHidden_ = false;  // hidden because the session was locked
  std::function<bool()> editorVisible_;
  std::function<void(const std::string&, const std::string&, bool)> monitor_;

  std::uint32_t lastSeqNo_ = 0;
  bool clipboardSeen_ = false;
  bool subscribed_ = false;
  WindowId lastTarget_ = 0;
  std::string lastTargetTitle_ = "Empty";
  std::string lastTargetExe_;
  int lastFilled_ = -1;
  int lastFillGroup_ = -1;
  std::string computerName_;
  std::function<void()> quit_;

  std::unique_ptr<Timer> targetTimer_;
  std::unique_ptr<Timer> copyTimer_;
  std::unique_ptr<Timer> copyDelayTimer_;
  std::unique_ptr<Timer> shortCutTimer_;
  std::unique_ptr<Timer> shareTimer_;
  std::unique_ptr<Timer> fadeTimer_;
  std::unique_ptr<Timer> minuteTimer_;

  Settings settings_;
  GroupTableStore dataStore_{table_, dirs_.ProgramDir, *ports_.ui};
  SettingsFiles files_{settings_, dirs_, table_, *ports_.ui, dataStore_};
  BackupActions backup_;
  QuickFixRunner quickFixes_;

  // Pasting.
  bool pasteRunning_ = false;
  std::deque<std::pair<int, int>> queuedPastes_;  // group, button
  KeyMacroSender macroSender_{ports_.keyboard, *ports_.loop};
};

}  // namespace cvd
