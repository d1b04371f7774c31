#include "core/share/ShareSync.h"

#include <algorithm>

#include "core/clipboard/ClipFill.h"
#include "core/ports/FolderWatch.h"
#include "core/ports/Messages.h"
#include "core/ports/Shell.h"
#include "core/ports/TrayView.h"

namespace cvd {

std::vector<ShareListItem> UpdateShareList(const GroupTable& table) {
  std::vector<ShareListItem> items;
  for (int g = 1; g <= table.GroupCount(); ++g) items.push_back({g, table.Groups[g].Name, table.Groups[g].Shared});
  return items;
}

std::int32_t CountShareFileLines(const std::string& shareDir) { return GetShareFileLines(ShareFilePath(shareDir)); }

ShareSync::ShareSync(GroupTable& table, Settings& settings, const Directories& dirs, EventLoop& loop, Messages& ui,
                     TrayView& tray, Shell& shell, FolderWatch& watch, ShareHooks hooks)
    : table_(table),
      settings_(settings),
      dirs_(dirs),
      loop_(loop),
      ui_(ui),
      tray_(tray),
      shell_(shell),
      watch_(watch),
      hooks_(std::move(hooks)) {
  shareTimer_ = loop.CreateTimer(kShareTimerMs, true, [this] { ShareTimerTimer(); });
  pollTimer_ = loop.CreateTimer(kSharePollMs, false, [this] { PollTimerTimer(); });
  sliceTimer_ = loop.CreateTimer(1, true, [this] { TakeSlice(); });
}

ShareSync::~ShareSync() { Stop(); }

void ShareSync::Start() {
  started_ = true;
  Watch();
}

void ShareSync::Watch() {
  notified_ = watch_.Watch(dirs_.ShareDir, [this] { ShellChangeNotifierChange(); });
  UpdateCheck();
}

void ShareSync::UpdateCheck() {
  if (started_ && settings_.ShareClipboard && !notified_) {
    if (!pollTimer_->IsActive()) pollTimer_->Start();
  } else {
    pollTimer_->Stop();
  }
}

void ShareSync::Stop() {
  started_ = false;
  watch_.Watch("", [] {});
  pollTimer_->Stop();
  shareTimer_->Stop();
  EndPass();
}

void ShareSync::ShareDirChanged() {
  EndPass();
  last_.reset();
  errorReported_ = false;
  if (started_) Watch();
}

void ShareSync::ShareClip(const TGroup& group, const std::string& text) {
  if (!group.Shared) return;
  ownShareWrite_ = true;
  std::string error;
  if (AppendShareLine(SharePath(), MakeShareLine(computerName_, group.Name, text), &error)) {
    errorReported_ = false;
  } else {
    ReportOnce(error);
  }
}

void ShareSync::ShellChangeNotifierChange() {
  if (settings_.ShareClipboard && !shareTimer_->IsActive()) shareTimer_->Start();
}

void ShareSync::PollTimerTimer() {
  // A network file system reports no writes of other computers: a file that
  // differs from what the last pass read is a change too. Skipped passes
  // leave the mark alone, so their lines are taken at a later tick.
  if (!settings_.ShareClipboard) {
    UpdateCheck();
    return;
  }
  FileStamp now;
  const bool known = StatShareFile(SharePath(), now, nullptr);
  const FileStamp seen = last_ ? last_->stamp : FileStamp{};
  if (!known || now != seen) ShellChangeNotifierChange();
}

void ShareSync::ReportOnce(const std::string& reason) {
  // One message per outage; the work is retried quietly until it succeeds.
  if (errorReported_) return;
  errorReported_ = true;
  const std::string text = kShareAccessText + dirs_.ShareDir + "\n\n" + reason;
  Messages* ui = &ui_;
  // Shown from the event loop, so that a capture or pass is never held up by it.
  loop_.Post([ui, text] { ui->CursorMessageDlg(text, MsgKind::Error, MsgButtons::Ok); });
}

void ShareSync::ShareTimerTimer() {
  shareTimer_->Stop();
  // A pass still taking its lines in slices reads on once it is done.
  if (pass_) {
    passAgain_ = true;
    return;
  }
  // A pass within a paste would change the buttons under it: it waits.
  if (hooks_.pasting && hooks_.pasting()) {
    shareTimer_->Start();
    return;
  }
  if (ownShareWrite_ || (hooks_.editorShowing && hooks_.editorShowing())) {
    ownShareWrite_ = false;
    return;
  }
  ShareFileLines read = ReadShareFile(SharePath(), settings_.ShareLine, last_.get());
  if (read.status == ShareReadStatus::Failed) {
    ReportOnce(read.error);
    return;
  }
  errorReported_ = false;
  if (read.status == ShareReadStatus::Missing) {
    last_.reset();
    return;
  }
  pass_ = std::make_unique<Pass>();
  pass_->read = std::move(read);
  TakeSlice();
}

void ShareSync::TakeSlice() {
  if (!pass_) return;
  if ((hooks_.pasting && hooks_.pasting()) || (hooks_.editorShowing && hooks_.editorShowing())) {
    sliceTimer_->SetInterval(kShareTimerMs);
    sliceTimer_->Start();
    return;
  }
  Pass& pass = *pass_;
  const std::vector<std::string>& lines = pass.read.lines;
  const std::size_t end = std::min(lines.size(), pass.next + kShareSliceLines);
  for (; pass.next < end; ++pass.next) {
    const auto entry = ParseShareLine(lines[pass.next]);
    if (!entry) continue;
    if (!entry->computer.empty() && entry->computer == computerName_) continue;
    const int g = table_.FindGroup(entry->group);
    if (g < 1 || g > table_.GroupCount()) continue;
    FillButton(g, entry->text, pass.first);
    if (g == table_.CurrentGroup) pass.redraw = true;
    if (pass.first && settings_.ShowShareMsg) {
      tray_.Balloon("Corvinade", "New shared clipboard information added to the " + table_.Groups[g].Name + " group.",
                    20);
    }
    pass.first = false;
  }
  hooks_.passDone();
  const bool redraw = pass.redraw;
  pass.redraw = false;
  settings_.ShareLine = pass.read.first + static_cast<std::int32_t>(pass.next);
  if (pass.next < lines.size()) {
    // The rest after the window has answered what came meanwhile.
    sliceTimer_->SetInterval(1);
    sliceTimer_->Start();
  } else {
    settings_.ShareLine = pass.read.mark.line;
    last_ = std::make_unique<ShareFileMark>(pass.read.mark);
    if (pass.read.more || passAgain_) shareTimer_->Start();
    EndPass();
  }
  if (redraw && hooks_.display) hooks_.display();
}

void ShareSync::EndPass() {
  sliceTimer_->Stop();
  pass_.reset();
  passAgain_ = false;
}

bool ShareSync::FillButton(int g, const std::string& text, bool playSound) {
  TGroup& group = table_.Groups.at(g);
  const CaptionFunction caption = [this](const std::string& t) {
    return hooks_.makeCaption ? hooks_.makeCaption(t) : t;
  };
  // Only "Don't copy" looks for a duplicate; every other policy takes a
  // shared text as a new clip.
  std::optional<FillResult> fill;
  bool filled = false;
  if (group.CopyDups == cdDontCopy) {
    fill = FillClip(group, text, caption);
    filled = fill->changed;
  } else {
    filled = ShiftInNewClip(group, text, caption) > 0;
  }
  if (!filled) return false;
  if (hooks_.filled) hooks_.filled(group, text, fill);
  if (group.PlaySound && g == table_.CurrentGroup && playSound) shell_.PlaySound(group.SoundFile);
  return true;
}

}  // namespace cvd
