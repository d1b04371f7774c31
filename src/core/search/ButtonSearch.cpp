#include "core/search/ButtonSearch.h"

#include "core/paste/Paster.h"
#include "core/target/ActivateAndWait.h"
#include "core/target/TargetTracker.h"
#include "core/window/ButtonWindow.h"

namespace cvd {

ButtonSearch::ButtonSearch(SearchPorts ports, SearchParts parts, SearchHooks hooks)
    : ports_(ports), parts_(parts), hooks_(std::move(hooks)) {
  searchTimer_ = ports_.loop.CreateTimer(kSearchIntervalMs, true, [this] { SearchTimerTimer(); });
  showTimer_ = ports_.loop.CreateTimer(kShowIntervalMs, false, [this] { ShowTimerTimer(); });
}

ButtonSearch::~ButtonSearch() = default;

SearchOptions ButtonSearch::Options() const {
  const Settings& s = parts_.settings;
  return SearchOptions{s.SearchAllGroups, s.CaseSensitive, s.SearchButtonName, s.SearchButtonTextMenu};
}

std::string ButtonSearch::FoundText() const {
  const std::size_t count = hits_.size();
  return std::to_string(count) + (count == 1 ? " Button Found" : " Buttons Found");
}

void ButtonSearch::Open() {
  if (open_) return;  // a second shortcut press while it shows
  open_ = true;
  pasted_ = false;
  SearchView& view = ports_.view;
  view.SetOptions(Options());
  view.SetEditEnabled(bool(hooks_.editButton));
  view.HitsChanged(0, static_cast<int>(hits_.size()));  // no selection left from last time
  view.SetFoundText(FoundText());
  Restart();
  Settings& s = parts_.settings;
  view.ShowModal(Rect{s.SearchXPosition, s.SearchYPosition, s.SearchWidth, s.SearchHeight});

  open_ = false;
  restart_ = false;
  searchTimer_->Stop();  // a slice still posted sees the dialog closed and ends the search
  const Rect frame = view.Frame();
  s.SearchXPosition = frame.left;
  s.SearchYPosition = frame.top;
  s.SearchWidth = frame.width;
  s.SearchHeight = frame.height;
  if (hooks_.saveWindowSettings) hooks_.saveWindowSettings();
  // The dialog took the keyboard; the window the user worked in gets it back.
  if (!pasted_ && parts_.tracker.LastTarget() != 0) ports_.windows.Activate(parts_.tracker.LastTarget());
}

void ButtonSearch::SearchForChange(const std::string& text) {
  searchFor_ = text;
  Restart();
}

void ButtonSearch::ToggleOption(SearchOption option) {
  Settings& s = parts_.settings;
  switch (option) {
    case SearchOption::AllGroups: s.SearchAllGroups = !s.SearchAllGroups; break;
    case SearchOption::CaseSensitive: s.CaseSensitive = !s.CaseSensitive; break;
    case SearchOption::ButtonName: s.SearchButtonName = !s.SearchButtonName; break;
    case SearchOption::ButtonText: s.SearchButtonTextMenu = !s.SearchButtonTextMenu; break;
  }
  // Searching neither names nor texts would find nothing: the other comes back.
  if (!s.SearchButtonName && !s.SearchButtonTextMenu) {
    if (option == SearchOption::ButtonName)
      s.SearchButtonTextMenu = true;
    else
      s.SearchButtonName = true;
  }
  ports_.view.SetOptions(Options());
  Restart();
}

void ButtonSearch::Restart() {
  restart_ = true;
  if (open_ && !searchTimer_->IsActive()) searchTimer_->Start();
}

void ButtonSearch::EditorClosed() { Restart(); }

void ButtonSearch::SetEditButton(std::function<void(int, int)> edit) {
  hooks_.editButton = std::move(edit);
  if (open_) ports_.view.SetEditEnabled(bool(hooks_.editButton));
}

void ButtonSearch::SearchTimerTimer() {
  // A tick while a search runs never starts a second one over it: the
  // running one stops at its next slice and starts the timer again.
  if (running_) {
    restart_ = true;
    return;
  }
  restart_ = false;
  searchTimer_->Stop();
  if (!open_) return;
  const GroupTable& table = parts_.table;
  scan_.Begin(searchFor_, Options(), parts_.settings.SearchAllGroups ? 0 : table.CurrentGroup);
  hits_.clear();
  Publish(0);
  running_ = true;
  RunSlice();
}

void ButtonSearch::RunSlice() {
  if (!running_) return;
  if (restart_ || !open_) {
    running_ = false;
    if (open_ && !searchTimer_->IsActive()) searchTimer_->Start();
    return;
  }
  EventLoop& loop = ports_.loop;
  const std::int64_t start = loop.NowMs();
  const int before = static_cast<int>(hits_.size());
  const bool done = scan_.Step(parts_.table, hits_, [&] { return loop.NowMs() - start >= sliceMs_; });
  Publish(before);
  if (done) {
    running_ = false;
    return;
  }
  // The next slice after the events that came meanwhile (typing first).
  loop.Post([this, alive = std::weak_ptr<bool>(alive_)] {
    if (alive.lock()) RunSlice();
  });
}

void ButtonSearch::Publish(int unchanged) {
  const int count = static_cast<int>(hits_.size());
  if (unchanged == 0 || count != unchanged) ports_.view.HitsChanged(unchanged, count);
  ports_.view.SetFoundText(FoundText());
}

std::optional<SearchHit> ButtonSearch::HitOf(std::optional<int> row) {
  if (!row) {
    ports_.ui.CursorMessageDlg(kSelectResultFirstText, MsgKind::Error, MsgButtons::Ok);
    return std::nullopt;
  }
  // The empty row of a search that found nothing has no key.
  if (*row < 0 || *row >= static_cast<int>(hits_.size())) return std::nullopt;
  const SearchHit& hit = hits_[*row];
  const GroupTable& table = parts_.table;
  bool present = hit.group >= 1 && hit.group <= table.GroupCount();
  if (present) {
    const TGroup& group = table.Groups[hit.group];
    present = hit.button >= 1 && hit.button <= group.TotalButtons() &&
              hit.button < static_cast<int>(group.Buttons.size()) && group.Name == hit.groupName &&
              group.Buttons[hit.button].Name == hit.buttonName && group.Buttons[hit.button].Text == hit.text;
  }
  if (!present) {
    // Edited, moved or deleted since it was found (or a new clip shifted
    // the clip buttons): acting on the number would hit another button.
    Restart();
    return std::nullopt;
  }
  return hit;
}

void ButtonSearch::MakeGroupCurrent(int group) {
  GroupTable& table = parts_.table;
  if (table.CurrentGroup == group || !hooks_.selectGroup) return;
  for (int position = 0; position < static_cast<int>(table.GroupList.size()); ++position) {
    if (table.FindGroup(table.GroupList[position]) == group) {
      hooks_.selectGroup(position);
      return;
    }
  }
}

void ButtonSearch::EditClick(std::optional<int> row) {
  const std::optional<SearchHit> hit = HitOf(row);
  if (!hit || !hooks_.editButton) return;
  MakeGroupCurrent(hit->group);
  if (parts_.table.CurrentGroup != hit->group) return;
  parts_.table.CurrentButton = hit->button;
  hooks_.editButton(hit->group, hit->button);
  // The editor is modal, so it has closed by now; a modeless one would call
  // EditorClosed itself.
  EditorClosed();
}

void ButtonSearch::ShowClick(std::optional<int> row) {
  const std::optional<SearchHit> hit = HitOf(row);
  if (!hit) return;
  MakeGroupCurrent(hit->group);
  if (parts_.table.CurrentGroup != hit->group) return;
  if (!ports_.windowView.ButtonWindowVisible()) parts_.window.ShowButtonWindow();
  // A blink still running ends in its button's normal colours.
  if (showTimer_->IsActive() && showGroup_ == hit->group && showButton_ <= parts_.table.Current().TotalButtons()) {
    parts_.window.RestoreColorButton(showButton_);
  }
  showGroup_ = hit->group;
  showButton_ = hit->button;
  showCounter_ = 0;
  parts_.window.ColorButton(showButton_);
  showTimer_->Start();
}

void ButtonSearch::ShowTimerTimer() {
  const GroupTable& table = parts_.table;
  // Another group on screen (its Display redrew every button) or the
  // button gone: nothing left to blink.
  if (table.CurrentGroup != showGroup_ || showButton_ > table.Current().TotalButtons()) {
    showTimer_->Stop();
    return;
  }
  if (showCounter_ % 2 == 1) {
    parts_.window.ColorButton(showButton_);
  } else {
    parts_.window.RestoreColorButton(showButton_);
  }
  if (showCounter_ >= 4) showTimer_->Stop();
  ++showCounter_;
}

void ButtonSearch::PasteClick(std::optional<int> row) {
  const std::optional<SearchHit> hit = HitOf(row);
  if (!hit) return;
  pasted_ = true;
  // Closed first, so that nothing of ours is left to take the focus back
  // from the target while the keys go there.
  ports_.view.Close();
  ActivateAndWait(ports_.windows, ports_.loop, parts_.tracker.LastTarget());
  parts_.paster.ClickButton(hit->group, hit->button);
}

void ButtonSearch::ExitClick() { ports_.view.Close(); }

}  // namespace cvd
