#pragma once
// The composition root of the button window: builds the subsystems around
// the program's state, runs start-up and shut-down, and passes the view's
// events to the subsystem that owns them.
#include <functional>
#include <memory>
#include <string>

#include "core/app/AppState.h"
#include "core/backup/BackupActions.h"
#include "core/clipboard/CaptureProbe.h"
#include "core/clipboard/ClipboardCapture.h"
#include "core/desktop/DesktopActions.h"
#include "core/editor/ButtonEditor.h"
#include "core/fade/Fader.h"
#include "core/groups/WindowMenus.h"
#include "core/journal/JournaledDataStore.h"
#include "core/monitor/GroupMonitor.h"
#include "core/paste/Paster.h"
#include "core/ports/EventLoop.h"
#include "core/ports/Ports.h"
#include "core/ports/RemoteDesktop.h"
#include "core/privacy/CapturePrivacy.h"
#include "core/quickfix/QuickFixRunner.h"
#include "core/quickfixeditor/QuickFixListEditor.h"
#include "core/search/ButtonSearch.h"
#include "core/settings/SettingsFiles.h"
#include "core/setup/PasteMethodPage.h"
#include "core/setup/SetupDialog.h"
#include "core/share/ShareSync.h"
#include "core/shortcuts/ShortcutKeys.h"
#include "core/target/TargetTracker.h"
#include "core/window/ButtonWindow.h"
#include "core/window/HoverTimer.h"
#include "core/window/MouseButton.h"
#include "core/window/SessionLock.h"
#include "core/window/SystemCommand.h"

namespace cvd {

inline constexpr const char* kAppTitle = "Corvinade";
inline constexpr const char* kAlreadyRunningText =
    "Corvinade is already running. You can click on the clipboard icon at any time to pop up the button window.";
inline constexpr const char* kWelcomeText =
    "Thank you for using Corvinade! \nRight click on the clipboard icon to open Corvinade Settings.";

class Engine {
 public:
  // `state` outlives the engine; optional ports may be null.
  Engine(const Ports& ports, AppState& state);
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
  void HandleSystemCommand(int command);

  // Events from the view.
  void ButtonMouseDown(int button, MouseButton which);
  void CoolTrayIconClick();
  void CloseButtonWindow() {
    window_.CloseButtonWindow();
    desktop_.ButtonWindowClosed();
  }
  void WindowMoved() { window_.WindowMoved(); }
  void GroupListChange(int position) {
    window_.GroupListChange(position);
    fader_.ResetFadeTimer();
  }
  // The button paste (ClickButton, TestPasteMethod).
  Paster& Paste() { return paster_; }
  const Paster& Paste() const { return paster_; }
  // The quick fixes of the settings, run on the group table.
  QuickFixRunner& QuickFixes() { return quickFixes_; }
  // Help, web page, support mail, autostart.
  DesktopActions& Desktop() { return desktop_; }
  // A press on the window outside its buttons.
  void WindowMouseDown() { fader_.ResetFadeTimer(); }
  // "Use advanced target window tracking" was ticked or cleared: clicks on
  // the button window take the focus, or leave it in the target.
  void AdvWinTrackChanged() { window_.SetNoActivate(state_.settings.AdvWinTrack); }
  // The shortcut keys, their setup page and the delimiter list.
  ShortcutKeys& Shortcuts() { return shortcuts_; }
  const ShortcutKeys& Shortcuts() const { return shortcuts_; }
  // The group and button menus with their commands.
  WindowMenus& Menus() { return menus_; }
  // Button search: the "Search" dialog's logic.
  ButtonSearch& Search() { return search_; }
  // The setup dialog's options, closing rules and buttons.
  SetupDialog& Setup() { return setup_; }
  // Quick fix editor: the list of quick fixes with their gestures.
  QuickFixListEditor& FixListEditor() { return fixEditor_; }
  // The button editor with the group options.
  ButtonEditor& Editor() { return editor_; }
  // The setup page's paste methods: add, delete, test.
  PasteMethodPage& PasteMethodEditor() { return pasteMethodPage_; }
  // The desktop portal's grant to type, kept in the settings file at once.
  RestoreTokenStore PortalTokenStore();

  // Read-only views for the state report and the view.
  const AppState& State() const { return state_; }
  const ButtonWindow& Window() const { return window_; }
  const TargetTracker& Target() const { return tracker_; }
  const ClipboardCapture& Capture() const { return capture_; }
  // "Pause Clipboard History" and what is never kept.
  CapturePrivacy& Privacy() { return privacy_; }
  const CapturePrivacy& Privacy() const { return privacy_; }
  // The capture's self-test (corvinade-tool doctor).
  CaptureProbe& Probe() { return probe_; }
  const JournaledDataStore& DataStore() const { return dataStore_; }
  // Before FormCreate: the data file as it was read while the program started.
  void ReadDataFileEarly(std::shared_ptr<EarlyDataRead> early) { dataStore_.ReadEarly(std::move(early)); }
  const Fader& Fade() const { return fader_; }
  const GroupMonitor& Monitor() const { return monitor_; }
  const Ports& GetPorts() const { return ports_; }

 private:
  void LoadEverything();
  void ClipFilled(int group, const std::string& text, const FillResult& result);
  // A dialog closed: the keyboard goes back to the window the user worked in.
  void RestoreTargetFocus();

  Ports ports_;
  AppState& state_;
  bool destroyed_ = false;
  std::function<void()> quit_;

  JournaledDataStore dataStore_;  // the data file and the journal of new clips
  SettingsFiles files_;
  BackupActions backup_;
  ButtonWindow window_;
  TargetTracker tracker_;
  CapturePrivacy privacy_;  // copies never kept, and the pause
  CaptureProbe probe_;      // corvinade-tool doctor's copy
  ClipboardCapture capture_;
  Paster paster_;
  QuickFixRunner quickFixes_;
  ShareSync share_;
  DesktopActions desktop_;
  Fader fader_;
  GroupMonitor monitor_;
  SessionLock sessionLock_;
  ShortcutKeys shortcuts_;
  WindowMenus menus_;
  ButtonSearch search_;  // button search
  SetupDialog setup_;
  QuickFixListEditor fixEditor_;  // quick fix editor
  ButtonEditor editor_;           // the button editor and group options
  PasteMethodPage pasteMethodPage_;
  std::unique_ptr<HoverTimer> targetTimer_;  // hover hint; target tracking on notices
};

}  // namespace cvd
