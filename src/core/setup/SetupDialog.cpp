#include "core/setup/SetupDialog.h"

#include "core/fade/FadeOptions.h"
#include "core/ports/Messages.h"
#include "core/ports/Shell.h"

namespace cvd {

SetupDialog::SetupDialog(SetupParts parts, Messages& ui, Shell& shell, SetupView& view, SetupHooks hooks)
    : settings_(parts.settings),
      dirs_(parts.dirs),
      table_(parts.table),
      backup_(parts.backup),
      desktop_(parts.desktop),
      ui_(ui),
      shell_(shell),
      view_(view),
      hooks_(std::move(hooks)) {}

void SetupDialog::MenuSetupClick() { Show(std::nullopt, -1); }

void SetupDialog::SystemMenuSettings() {
  Show(SetupPage::Options, -1);
  hooks_.saveSettings();
}

void SetupDialog::OpenAtShortcutRow(int row) { Show(SetupPage::Shortcuts, row); }

void SetupDialog::Show(std::optional<SetupPage> page, int row) {
  // A second request while it shows only turns the page: one modal loop.
  if (view_.Showing()) {
    if (page) view_.TurnTo(*page, row);
    return;
  }
  view_.ShowModal(page, row);
  hooks_.restoreFocus();
}

bool SetupDialog::Option(SetupOption option) const {
  const Settings& s = settings_;
  switch (option) {
    case SetupOption::ShowOnStart: return s.ShowOnStart;
    case SetupOption::DontCopy: return s.DontCopy;
    case SetupOption::AdvWinTrack: return s.AdvWinTrack;
    case SetupOption::DoNotAskAgain: return resetDontAsk_;
    case SetupOption::FadeOut: return s.FadeOutOption;
    case SetupOption::RollUp: return s.RollupOption;
    case SetupOption::Minimize: return s.MinimizeOption;
    case SetupOption::RestoreOnCopy: return s.RestoreOnCopy;
    case SetupOption::AutoBackup: return s.AutoBackup;
    case SetupOption::ShareClipboard: return s.ShareClipboard;
    case SetupOption::LoadShareOnStart: return s.LoadShareOnStart;
    case SetupOption::ShowShareMsg: return s.ShowShareMsg;
    case SetupOption::StartAtLogin: return desktop_.StartsAtLogin();
  }
  return false;
}

bool SetupDialog::SetOption(SetupOption option, bool on) {
  Settings& s = settings_;
  // At most one of the three idle actions is ticked.
  const auto setFade = [&s, on](bool Settings::*ticked) {
    if (on) s.FadeOutOption = s.RollupOption = s.MinimizeOption = false;
    s.*ticked = on;
  };
  switch (option) {
    case SetupOption::ShowOnStart: s.ShowOnStart = on; break;
    case SetupOption::DontCopy: s.DontCopy = on; break;
    case SetupOption::AdvWinTrack:
      s.AdvWinTrack = on;
      hooks_.advWinTrackChanged();
      break;
    case SetupOption::DoNotAskAgain: resetDontAsk_ = on; break;
    case SetupOption::FadeOut: setFade(&Settings::FadeOutOption); break;
    case SetupOption::RollUp: setFade(&Settings::RollupOption); break;
    case SetupOption::Minimize: setFade(&Settings::MinimizeOption); break;
    case SetupOption::RestoreOnCopy: s.RestoreOnCopy = on; break;
    case SetupOption::AutoBackup: s.AutoBackup = on; break;
    case SetupOption::ShareClipboard:
      s.ShareClipboard = on;
      if (hooks_.shareChanged) hooks_.shareChanged();
      break;
    case SetupOption::LoadShareOnStart: s.LoadShareOnStart = on; break;
    case SetupOption::ShowShareMsg: s.ShowShareMsg = on; break;
    case SetupOption::StartAtLogin: return desktop_.SetStartAtLogin(on);
  }
  return true;
}

const std::string& SetupDialog::FadeText(FadeField field) const {
  return field == FadeField::FadeTime ? settings_.FadeTime : settings_.FadeLevel;
}

void SetupDialog::SetFadeText(FadeField field, const std::string& text) {
  (field == FadeField::FadeTime ? settings_.FadeTime : settings_.FadeLevel) = text;
}

bool SetupDialog::FadeTextValid(FadeField field) const {
  return field == FadeField::FadeTime ? FadeTimeValid(settings_.FadeTime) : FadeLevelValid(settings_.FadeLevel);
}

void SetupDialog::SetBackupTime(int hour, int minute) {
  if (hour < 0 || hour > 23 || minute < 0 || minute > 59) return;
  settings_.BackupTime = TimeOfDay{hour, minute, 0};
}

void SetupDialog::ManualBackupButton() { shell_.Open(dirs_.DataDir); }

void SetupDialog::SetShared(int group, bool shared) {
  if (group >= 1 && group <= table_.GroupCount()) table_.Groups[group].Shared = shared;
}

void SetupDialog::ShareAll(bool shared) {
  for (int g = 1; g <= table_.GroupCount(); ++g) table_.Groups[g].Shared = shared;
}

Rect SetupDialog::StoredFrame() const {
  const Settings& s = settings_;
  return Rect{s.SetupLeft, s.SetupTop, s.SetupWidth, s.SetupHeight};
}

void SetupDialog::StoreFrame(const Rect& frame) {
  Settings& s = settings_;
  s.SetupLeft = frame.left;
  s.SetupTop = frame.top;
  s.SetupWidth = frame.width;
  s.SetupHeight = frame.height;
}

bool SetupDialog::CloseQuery() {
  if (!FadeTextValid(FadeField::FadeTime) || !FadeTextValid(FadeField::FadeLevel)) {
    ui_.CursorMessageDlg(kFadeInvalidText, MsgKind::Error, MsgButtons::Ok);
    return false;
  }
  if (!view_.PagesCanClose()) return false;
  // A faded window keeps its timer: it is fading down to its level.
  if (hooks_.opacity() == 255) hooks_.enableIdleTimer(AutoHideOn(settings_));
  if (resetDontAsk_) {
    settings_.DontAskClearAll = settings_.DontAskUnused = settings_.DontAskClearBut = settings_.DontAskDelete = false;
    resetDontAsk_ = false;
  }
  return true;
}

}  // namespace cvd
