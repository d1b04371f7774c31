// The Engine's constructor: builds every subsystem around the program's
// state and connects their hooks, so that a reader finds in one place who
// tells whom.
#include <algorithm>

#include "core/app/Engine.h"
#include "core/ports/Shell.h"
#include "core/ports/Ui.h"

namespace cvd {
namespace {

// New clips are named as the button window names them.
auto CaptionsOf(const ButtonWindow& window) {
  return [&window](const std::string& text) { return window.MakeCaption(text); };
}

}  // namespace

Engine::Engine(const Ports& ports, AppState& state)
    : ports_(WithNullPorts(ports)),
      state_(state),
      dataStore_(state.table, state.dirs.ProgramDir, *ports_.ui, *ports_.ui, *ports_.loop),
      files_(state.settings, state.dirs, state.table, *ports_.ui, *ports_.ui, dataStore_),
      backup_(files_, BackupHooks{.redraw =
                                      [this] {
                                        window_.SetPasteCount();
                                        window_.Display();
                                      },
                                  .shareDirChanged = [this](const std::string&) { share_.ShareDirChanged(); }}),
      window_(*ports_.ui, *ports_.ui, *ports_.measure, state.table),
      tracker_(*ports_.windows),
      privacy_(*ports_.clipboard, *ports_.windows, *ports_.loop, state.settings.Privacy),
      probe_(*ports_.clipboard),
      capture_(*ports_.clipboard, *ports_.loop, state.table,
               CaptureHooks{
                   .blocked =
                       [this] {
                         return paster_.Pasting() || editor_.Showing() ||
                                (state_.settings.DontCopy && !ports_.ui->ButtonWindowVisible());
                       },
                   .makeCaption = CaptionsOf(window_),
                   .captured = [this](int group,
                                      const std::string& text) { share_.ShareClip(state_.table.Groups[group], text); },
                   .filled = [this](int group, const std::string& text,
                                    const FillResult& result) { ClipFilled(group, text, result); },
                   .keptOut = [this] { return privacy_.KeptOutReason(); },
                   .probe = [this](const std::string& text) { return probe_.Take(text); }}),
      paster_(PastePorts{*ports_.loop, *ports_.clipboard, *ports_.keyboard, *ports_.windows, *ports_.ui, *ports_.ui},
              state.table, capture_, tracker_,
              PasteOptions{state.settings.AdvWinTrack, state.settings.PasteKeys, state.settings.Terminals}),
      quickFixes_(QuickFixHost{
          .table = &state.table,
          .fixes = &state.settings.QuickFixes,
          .shell = ports_.shell,
          .ui = ports_.ui,
          .makeCaption = CaptionsOf(window_),
          .display = [this] { window_.Display(); },
          .resetFadeTimer = [this] { fader_.ResetFadeTimer(); },
          .clipsShifted = [this](const TGroup& group, int count) { dataStore_.RecordShifted(group, count); }}),
      share_(state.table, state.settings, state.dirs, *ports_.loop, *ports_.ui, *ports_.ui, *ports_.shell,
             *ports_.folderWatch,
             ShareHooks{.editorShowing = [this] { return editor_.Showing(); },
                        .pasting = [this] { return paster_.Pasting(); },
                        .makeCaption = CaptionsOf(window_),
                        .display = [this] { window_.Display(); },
                        .filled =
                            [this](const TGroup& group, const std::string& text, std::optional<FillResult> fill) {
                              if (fill) {
                                dataStore_.QueueFill(group, text, *fill);
                              } else {
                                dataStore_.QueueShifted(group, 1);
                              }
                            },
                        .passDone = [this] { dataStore_.Flush(); }}),
      desktop_(*ports_.shell, *ports_.ui, *ports_.ui, state.dirs.ProgramDir),
      fader_(*ports_.loop, *ports_.ui, state.settings, window_),
      monitor_(MonitorPorts{*ports_.loop, *ports_.ui, *ports_.windows, *ports_.keyboard, *ports_.ui}, state.table,
               window_, fader_, tracker_,
               MonitorHooks{.switchGroup = [this](int position) { GroupListChange(position); },
                            .busy = [this] { return editor_.Showing(); }}),
      sessionLock_(*ports_.ui, window_, [this] { fader_.Restore(); }),
      shortcuts_(
          ShortcutPorts{*ports_.hotkeys, *ports_.ui, *ports_.loop, *ports_.keyboard, *ports_.clipboard, *ports_.windows,
                        *ports_.ui, *ports_.ui},
          ShortcutParts{state.table, state.settings, window_, capture_, tracker_, paster_.Macros(), quickFixes_},
          ShortcutHooks{
              .pressButton = [this](int button) { ButtonMouseDown(button, MouseButton::Left); },
              .clearAllClip = [this] { menus_.Groups().ClearAllClip(state_.table.CurrentGroup); },
              .markAllUnused = [this] { menus_.Groups().MarkAllUnused(); },
              .deleteButton = [this](int g, int b, bool noAsk) { return menus_.Buttons().DeleteButton(g, b, noAsk); },
              .editButton = [this] { menus_.Buttons().MenuEditButtonClick(); },
              .search = [this] { search_.Open(); },
              .resetFadeTimer = [this] { fader_.ResetFadeTimer(); },
              .togglePause = [this] { privacy_.TogglePause(); }}),
      menus_(
          state.table, state.settings, state.dirs, *ports_.ui, *ports_.ui, *ports_.ui, quickFixes_,
          GroupHooks{.showListPosition =
                         [this](int position, bool store) {
                           window_.GroupListChange(position, store);
                           fader_.ResetFadeTimer();
                         },
                     .groupDeleted = [this](int g) { capture_.GroupDeleted(g); },
                     .makeCaption = CaptionsOf(window_),
                     .resetFadeTimer = [this] { fader_.ResetFadeTimer(); }},
          ButtonHooks{.display = [this] { window_.Display(); },
                      .refresh = [this] { window_.GroupListChange(std::max(0, state_.table.CurrentListPosition())); },
                      .save = [this] { FormCloseQuery(); },
                      .resetFadeTimer = [this] { fader_.ResetFadeTimer(); },
                      .makeCaption = CaptionsOf(window_)}),
      // Button search
      search_(SearchPorts{*ports_.loop, *ports_.ui, *ports_.windows, *ports_.searchView, *ports_.ui},
              SearchParts{state.table, state.settings, window_, paster_, tracker_},
              SearchHooks{.selectGroup = [this](int position) { GroupListChange(position); },
                          .saveWindowSettings = [this] { return files_.SaveSearchWindowSettings(); },
                          .editButton = [this](int g, int b) { editor_.EditButton(g, b); }}),
      // The setup dialog.
      setup_(SetupParts{state.settings, state.dirs, state.table, backup_, desktop_}, *ports_.ui, *ports_.shell,
             *ports_.setupView,
             SetupHooks{.opacity = [this] { return fader_.Opacity(); },
                        .enableIdleTimer = [this](bool on) { fader_.EnableIdleTimer(on); },
                        .advWinTrackChanged = [this] { AdvWinTrackChanged(); },
                        .saveSettings =
                            [this] {
                              FormCloseQuery();
                              backup_.DailyBackupChanged();
                            },
                        .restoreFocus = [this] { RestoreTargetFocus(); },
                        .shareChanged = [this] { share_.OptionsChanged(); }}),
      // Quick fix editor: the shortcut list follows the names; closing gives the keyboard back.
      fixEditor_(state.settings, *ports_.ui, *ports_.ui, *ports_.hotkeys, *ports_.quickFixEditorView,
                 QuickFixEditorHooks{.listChanged = [this] { shortcuts_.Page().UpdateShortcutList(); },
                                     .closed = [this] { RestoreTargetFocus(); }}),
      // The button editor and group options.
      editor_(
          EditorParts{state.table, state.settings, *ports_.ui, *ports_.shell, *ports_.editorView, quickFixes_,
                      menus_.Groups(), menus_.Buttons(), *ports_.ui, *ports_.ui},
          EditorHooks{.display = [this] { window_.Display(); },
                      .refresh = [this] { window_.GroupListChange(std::max(0, state_.table.CurrentListPosition())); },
                      .showGroup = [this](int position) { GroupListChange(position); },
                      .save = [this] { FormCloseQuery(); },
                      .help = [this] { desktop_.MenuReadHelpFileClick(); },
                      .restoreFocus = [this] { RestoreTargetFocus(); }}),
      // The settings' paste methods: add, delete, test.
      pasteMethodPage_(PasteMethodPorts{*ports_.loop, *ports_.ui, *ports_.windows, *ports_.keyboard},
                       state.settings.PasteKeys, paster_) {
  menus_.Buttons().SetEditor([this](int g, int b, bool) { return editor_.Open(g, b, EditorPage::Button); });
  menus_.SetSeams(MenuSeams{.groupOptions = [this] { editor_.ShowGroupOptions(); },
                            .searchButtons = [this] { search_.Open(); },
                            .monitorApplication = [this] { monitor_.MenuMonitorApplicationClick(); },
                            .monitorWindow = [this] { monitor_.MenuMonitorWindowClick(); },
                            .cancelMonitoring = [this] { monitor_.MenuCancelMonitoringClick(); },
                            .customizeQuickFixes = [this] { fixEditor_.Show(); }});
  menus_.SetRestoreFocus([this] { RestoreTargetFocus(); });
  // An edit may change what the search found.
  editor_.SetClosedHandler([this] { search_.EditorClosed(); });
  // "Change shortcut key" in the quick fix editor turns the setup dialog to the fix's row.
  fixEditor_.SetShortcutRowHook([this](int row) { setup_.OpenAtShortcutRow(row); });
  files_.SetShareFileLineCounter(CountShareFileLines);
  tracker_.SetMonitorHandler([this](const std::string& exe, const std::string& title, bool newWindow) {
    monitor_.MonitorStep(exe, title, newWindow);
  });
  privacy_.SetPausedHandler([this](bool paused) { ports_.ui->ShowPaused(paused); });
  ports_.shell->OnSessionLockChanged([this](bool locked) { sessionLock_.LockChanged(locked); });
  // Both timers start disabled; start-up enables them.
  targetTimer_ = std::make_unique<HoverTimer>(
      *ports_.loop, *ports_.windows, *ports_.ui, [this] { window_.HoverHintStep(); },
      [this] { tracker_.TrackTarget(); });
}

}  // namespace cvd
