#include "core/app/Engine.h"

#include <algorithm>
#include <filesystem>

#include "core/app/Migration.h"
#include "core/ports/Shell.h"
#include "core/ports/TextMeasure.h"
#include "core/ports/Ui.h"
#include "core/util/PrivateFolder.h"
#include "core/window/Layout.h"

namespace cvd {

Engine::~Engine() = default;

void Engine::FormCreate() {
  Directories& dirs = state_.dirs;
  // Files that older versions kept beside the program move to the data folder.
  dirs.DataDir = dirs.DefaultDataDir;
  MigrateFromProgramDir(dirs, *ports_.ui);
  LoadEverything();
  // The program's own folder (a portable drive) may hold more than our files.
  if (dirs.DefaultDataDir != dirs.ProgramDir) TightenDataFolder(dirs.DefaultDataDir);
  if (dirs.DataDir != dirs.DefaultDataDir && dirs.DataDir != dirs.ProgramDir) TightenDataFolder(dirs.DataDir);
  const bool firstRun = !std::filesystem::exists(files_.SettingsFilePath());
  sessionLock_.StartUp(state_.settings.ShowOnStart, ports_.shell->SessionLocked());
  if (firstRun) {
    desktop_.OpenManualQuietly();
    ports_.ui->Balloon(kAppTitle, kWelcomeText, 20);
  }
  // What the window system cannot do here, in one notice: a second balloon
  // would replace the first.
  std::string platformNotice;
  for (const std::string& notice : state_.platform.notices)
    platformNotice += (platformNotice.empty() ? "" : "\n\n") + notice;
  if (!platformNotice.empty()) ports_.ui->Balloon(kAppTitle, platformNotice, 30);
  window_.Display();
  // The window goes up before the slower set-up with the X server: taking
  // the shortcut keys alone asks it a question per key.
  ports_.loop->ProcessEvents();
  shortcuts_.RegisterAll();
  fader_.ResetFadeTimer();
  capture_.StartLockOut();
  targetTimer_->Start();
  capture_.JoinClipboard();
  // Own lines carry this name; it must be known before the first read pass.
  share_.SetComputerName(ports_.shell->ComputerName());
  share_.Start();
  ports_.loop->ProcessEvents();
  AdvWinTrackChanged();
  backup_.StartDailyBackup(*ports_.loop);
}

RestoreTokenStore Engine::PortalTokenStore() {
  return {.load = [this] { return state_.settings.PortalRestoreToken; },
          .save =
              [this](const std::string& token) {
                state_.settings.PortalRestoreToken = token;
                files_.SavePortalSettings();
              }};
}

void Engine::LoadEverything() {
  files_.LoadSettings();
  const Settings& settings = state_.settings;
  GroupTable& table = state_.table;
  ports_.ui->MoveButtonWindow(Point{settings.MainLeft, settings.MainTop});
  if (table.GroupCount() < 1) table = DefaultGroupTable(state_.dirs.ProgramDir);
  const int position = StartListPosition(settings.LastGroup, static_cast<int>(table.GroupList.size()));
  int index = position < static_cast<int>(table.GroupList.size()) ? table.FindGroup(table.GroupList[position]) : -1;
  if (index < 1) index = 1;
  table.CurrentGroup = index;
  window_.SetPasteCount();
}

void Engine::RestoreTargetFocus() {
  if (tracker_.LastTarget() != 0) ports_.windows->Activate(tracker_.LastTarget());
}

void Engine::ClipFilled(int group, const std::string& text, const FillResult& result) {
  const TGroup& filled = state_.table.Groups[group];
  // On disk before it shows, so that a crash cannot lose it.
  dataStore_.RecordFill(filled, text, result);
  if (filled.PlaySound) ports_.shell->PlaySound(filled.SoundFile);
  window_.Display();
  if (state_.settings.RestoreOnCopy) fader_.Restore();
  window_.ResetHint();
}

bool Engine::FormCloseQuery() {
  const Rect frame = ports_.ui->ButtonWindowFrame();
  Settings& settings = state_.settings;
  settings.MainLeft = frame.left;
  settings.MainTop = frame.top;
  settings.LastGroup = std::max(0, state_.table.CurrentListPosition());
  return files_.SaveSettings();
}

void Engine::FormDestroy() {
  if (destroyed_) return;
  destroyed_ = true;
  capture_.Stop();
  share_.Stop();
  shortcuts_.UnregisterAll();
  targetTimer_->Stop();
  backup_.StopDailyBackup();
  fader_.Stop();
  monitor_.CancelWait();
  pasteMethodPage_.CancelWait();
}

void Engine::MenuExitClick() {
  if (destroyed_) return;
  targetTimer_->Stop();
  FormCloseQuery();
  FormDestroy();
  if (quit_) quit_();
}

void Engine::ButtonMouseDown(int button, MouseButton which) {
  // Every press on a button hides the hint.
  fader_.ResetFadeTimer();
  ports_.ui->HideHint();
  state_.table.CurrentButton = button;
  // A left press pastes the button; a right press may start a drag or a gesture.
  if (which == MouseButton::Left) paster_.ClickButton(state_.table.CurrentGroup, button);
  if (which == MouseButton::Right) menus_.Buttons().RightPress(ports_.ui->PointerPosition());
}

void Engine::CoolTrayIconClick() {
  fader_.ResetFadeTimer();
  if (window_.RolledUp()) fader_.RollUp();
  window_.ToggleButtonWindow();
}

void Engine::HandleSystemCommand(int command) {
  fader_.ResetFadeTimer();
  if (command == scRollUp) fader_.RollUp();
  if (command == scSearch) search_.Open();
  if (command == scAlreadyRunning) {
    fader_.Restore();
    ports_.ui->Balloon(kAppTitle, kAlreadyRunningText, 10);
  }
  if (command == scSettings) setup_.SystemMenuSettings();
}

}  // namespace cvd
