// The Engine's constructor: builds every subsystem around the program's
// state and connects their hooks, so that a reader finds in one place who
// tells whom.
#include <algorithm>

#include "core/app/Engine.h"
#include "core/ports/Shell.h"
#include "core/ports/Ui.h"

namespace cvd {

Engine::Engine(const Ports& ports, AppState& state)
    : ports_(WithNullPorts(ports)),
      state_(state),
      dataStore_(state.table, state.dirs.ProgramDir, *ports_.ui, *ports_.loop),
      files_(state.settings, state.dirs, state.table, *ports_.ui, dataStore_),
      backup_(files_, BackupHooks{[this] {
                                    window_.SetPasteCount();
                                    window_.Display();
                                  },
                                  [this](const std::string&) { share_.ShareDirChanged(); }}),
      window_(*ports_.ui, *ports_.measure, state.table),
      tracker_(*ports_.windows),
      capture_(*ports_.clipboard, *ports_.loop, state.table,
               CaptureHooks{
                   [this] {
                     return paster_.Pasting() || editor_.Showing() ||
                            (state_.settings.DontCopy && !ports_.ui->ButtonWindowVisible());
                   },
                   [this](const std::string& text) { return window_.MakeCaption(text); },
                   [this](int group, const std::string& text) { share_.ShareClip(state_.table.Groups[group], text); },
                   [this](int group, const std::string& text, const FillResult& result) {
                     ClipFilled(group, text, result);
                   }}),
      paster_(PastePorts{*ports_.loop, *ports_.clipboard, *ports_.keyboard, *ports_.windows, *ports_.ui}, state.table,
              capture_, tracker_,
              PasteOptions{state.settings.AdvWinTrack, state.settings.PasteKeys, state.settings.Terminals}),
      quickFixes_(QuickFixHost{&state.table, &state.settings.QuickFixes, ports_.shell, ports_.ui,
                               [this](const std::string& text) { return window_.MakeCaption(text); },
                               [this] { window_.Display(); }, [this] { fader_.ResetFadeTimer(); },
                               [this](const TGroup& group, int count) { dataStore_.RecordShifted(group, count); }}),
      share_(state.table, state.settings, state.dirs, *ports_.loop, *ports_.ui, *ports_.shell, *ports_.folderWatch,
             ShareHooks{[this] { return editor_.Showing(); }, [this] { return paster_.Pasting(); },
                        [this](const std::string& text) { return window_.MakeCaption(text); },
                        [this] { window_.Display(); },
                        [this](const TGroup& group, const std::string& text, std::optional<FillResult> fill) {
                          if (fill) {
                            dataStore_.QueueFill(group, text, *fill);
                          } else {
                            dataStore_.QueueShifted(group, 1);
                          }
                        },
                        [this] { dataStore_.Flush(); }}),
      desktop_(*ports_.shell, *ports_.ui, state.dirs.ProgramDir),
      fader_(*ports_.loop, *ports_.ui, state.settings, window_),
      monitor_(MonitorPorts{*ports_.loop, *ports_.ui, *ports_.windows, *ports_.keyboard}, state.table, window_, fader_,
               tracker_,
               MonitorHooks{[this](int position) { GroupListChange(position); }, [this] { return editor_.Showing(); }}),
      sessionLock_(*ports_.ui, window_, [this] { fader_.Restore(); }),
      shortcuts_(
          ShortcutPorts{*ports_.hotkeys, *ports_.ui, *ports_.loop, *ports_.keyboard, *ports_.clipboard,
                        *ports_.windows},
          ShortcutParts{state.table, state.settings, window_, capture_, tracker_, paster_.Macros(), quickFixes_},
          ShortcutHooks{
              .pressButton = [this](int button) { ButtonMouseDown(button, MouseButton::Left); },
              .clearAllClip = [this] { menus_.Groups().ClearAllClip(state_.table.CurrentGroup); },
              .markAllUnused = [this] { menus_.Groups().MarkAllUnused(); },
              .deleteButton = [this](int g, int b, bool noAsk) { return menus_.Buttons().DeleteButton(g, b, noAsk); },
              .editButton = [this] { menus_.Buttons().MenuEditButtonClick(); },
              .search = [this] { search_.Open(); },
              .resetFadeTimer = [this] { fader_.ResetFadeTimer(); }}),
      menus_(state.table, state.settings, state.dirs, *ports_.ui, quickFixes_,
             GroupHooks{[this](int position, bool store) {
                          window_.GroupListChange(position, store);
                          fader_.ResetFadeTimer();
                        },
                        [this](int g) { capture_.GroupDeleted(g); },
                        [this](const std::string& text) { return window_.MakeCaption(text); },
                        {}},
             ButtonHooks{[this] { window_.Display(); },
                         [this] { window_.GroupListChange(std::max(0, state_.table.CurrentListPosition())); },
                         [this] { FormCloseQuery(); },
                         {},
                         [this](const std::string& text) { return window_.MakeCaption(text); }}),
      // Button search
      search_(SearchPorts{*ports_.loop, *ports_.ui, *ports_.windows, *ports_.searchView},
              SearchParts{state.table, state.settings, window_, paster_, tracker_},
              SearchHooks{[this](int position) { GroupListChange(position); },
                          [this] { return files_.SaveSearchWindowSettings(); },
                          [this](int g, int b) { editor_.EditButton(g, b); }}),
      // The setup dialog.
      setup_(
          SetupParts{state.settings, state.dirs, state.table, backup_, desktop_}, *ports_.ui, *ports_.shell,
          *ports_.setupView,
          SetupHooks{[this] { return fader_.Opacity(); }, [this](bool on) { fader_.EnableIdleTimer(on); },
                     [this] { AdvWinTrackChanged(); }, [this] { FormCloseQuery(); }, [this] { RestoreTargetFocus(); }}),
      // Quick fix editor: the shortcut list follows the names; closing gives the keyboard back.
      fixEditor_(
          state.settings, *ports_.ui, *ports_.hotkeys, *ports_.quickFixEditorView,
          QuickFixEditorHooks{[this] { shortcuts_.Page().UpdateShortcutList(); }, [this] { RestoreTargetFocus(); }}),
      // The button editor and group options.
      editor_(EditorParts{state.table, state.settings, *ports_.ui, *ports_.shell, *ports_.editorView, quickFixes_,
                          menus_.Groups(), menus_.Buttons()},
              EditorHooks{[this] { window_.Display(); },
                          [this] { window_.GroupListChange(std::max(0, state_.table.CurrentListPosition())); },
                          [this](int position) { GroupListChange(position); }, [this] { FormCloseQuery(); },
                          [this] { desktop_.MenuReadHelpFileClick(); }, [this] { RestoreTargetFocus(); }}),
      // The settings' paste methods: add, delete, test.
      pasteMethodPage_(PasteMethodPorts{*ports_.loop, *ports_.ui, *ports_.windows, *ports_.keyboard},
                       state.settings.PasteKeys, paster_) {
  menus_.Buttons().SetEditor([this](int g, int b, bool) { return editor_.Open(g, b, EditorPage::Button); });
  menus_.SetSeams(MenuSeams{[this] { editor_.ShowGroupOptions(); }, [this] { search_.Open(); },
                            [this] { monitor_.MenuMonitorApplicationClick(); },
                            [this] { monitor_.MenuMonitorWindowClick(); },
                            [this] { monitor_.MenuCancelMonitoringClick(); }, [this] { fixEditor_.Show(); }});
  menus_.SetRestoreFocus([this] { RestoreTargetFocus(); });
  // An edit may change what the search found.
  editor_.SetClosedHandler([this] { search_.EditorClosed(); });
  // "Change shortcut key" in the quick fix editor turns the setup dialog to the fix's row.
  fixEditor_.SetShortcutRowHook([this](int row) { setup_.OpenAtShortcutRow(row); });
  files_.SetShareFileLineCounter(CountShareFileLines);
  tracker_.SetMonitorHandler([this](const std::string& exe, const std::string& title, bool newWindow) {
    monitor_.MonitorStep(exe, title, newWindow);
  });
  ports_.shell->OnSessionLockChanged([this](bool locked) { sessionLock_.LockChanged(locked); });
  // Both timers start disabled; start-up enables them.
  targetTimer_ = std::make_unique<HoverTimer>(
      *ports_.loop, *ports_.windows, *ports_.ui, [this] { window_.HoverHintStep(); },
      [this] { tracker_.TrackTarget(); });
  minuteTimer_ = ports_.loop->CreateTimer(60000, false, [this] { backup_.MinuteTimerTimer(); });
}

}  // namespace cvd
