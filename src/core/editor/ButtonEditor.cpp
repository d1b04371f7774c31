#include "core/editor/ButtonEditor.h"

#include <algorithm>

#include "core/editor/EditorTexts.h"
#include "core/groups/FavoriteColors.h"
#include "core/groups/GroupOperations.h"
#include "core/ports/ButtonWindowView.h"
#include "core/ports/ColorDialogView.h"
#include "core/ports/Messages.h"
#include "core/util/Text.h"

namespace cvd {

namespace {
constexpr int kMinEditWidth = 475, kMinEditHeight = 300;

void Call(const std::function<void()>& hook) {
  if (hook) hook();
}
}  // namespace

ButtonEditor::ButtonEditor(EditorParts parts, EditorHooks hooks)
    : table_(parts.table),
      settings_(parts.settings),
      ui_(parts.ui),
      windowView_(parts.windowView),
      colors_(parts.colors),
      shell_(parts.shell),
      view_(parts.view),
      quickFixes_(parts.quickFixes),
      groups_(parts.groups),
      buttons_(parts.buttons),
      hooks_(std::move(hooks)) {}

bool ButtonEditor::ValidButton(int g, int b) const {
  if (g < 1 || g > table_.GroupCount()) return false;
  const TGroup& group = table_.Groups[g];
  return b >= 1 && b <= group.TotalButtons() && b < static_cast<int>(group.Buttons.size());
}

const TGroup* ButtonEditor::OptionsGroupRecord() const {
  return optionsGroup_ >= 1 && optionsGroup_ <= table_.GroupCount() ? &table_.Groups[optionsGroup_] : nullptr;
}

TGroup* ButtonEditor::Options() {
  return optionsGroup_ >= 1 && optionsGroup_ <= table_.GroupCount() ? &table_.Groups[optionsGroup_] : nullptr;
}

int ButtonEditor::SelectedGroupRow() const {
  const auto& list = table_.GroupList;
  for (int row = 0; row < static_cast<int>(list.size()); ++row) {
    if (table_.FindGroup(list[row]) == optionsGroup_) return row;
  }
  return -1;
}

bool ButtonEditor::Open(int g, int b, EditorPage page) {
  if (showing_ || g < 1 || g > table_.GroupCount()) return false;
  showing_ = true;
  // A group without buttons still has options; OK then writes nowhere.
  if (ValidButton(g, b)) {
    Load(g, b);
  } else {
    editedGroup_ = g;
    editedButton_ = 0;
    editedName_ = table_.Groups[g].Name;
    fields_ = ButtonInfo{};
    changed_ = false;
  }
  ShowOptionsGroup(g);
  selectedButton_ = b;
  page_ = page;
  quickFixes_.SetEditor(this);
  view_.ShowGroups();
  view_.ShowButton();
  ShowCaption();
  const bool ok = view_.ShowModal(page);
  quickFixes_.SetEditor(nullptr);
  showing_ = false;
  Call(hooks_.display);
  Call(hooks_.restoreFocus);
  Call(closed_);
  return ok;
}

void ButtonEditor::EditButton(int g, int b) {
  if (Open(g, b, EditorPage::Button)) Call(hooks_.save);
}

void ButtonEditor::ShowGroupOptions() {
  if (Open(table_.CurrentGroup, table_.CurrentButton, EditorPage::Groups)) Call(hooks_.save);
}

void ButtonEditor::Load(int g, int b) {
  editedGroup_ = g;
  editedButton_ = b;
  editedName_ = table_.Groups[g].Name;
  const TButton& button = table_.Groups[g].Buttons[b];
  fields_ = ButtonInfo{ButtonFields{button.Name, button.Hint, button.Text}, button.FontColor, button.Color};
  changed_ = false;
  view_.ShowButton();
  ShowCaption();
}

void ButtonEditor::Save() {
  // Only ever into the record the form shows; the numbers follow every move.
  if (ValidButton(editedGroup_, editedButton_)) buttons_.SaveButtonInfo(editedGroup_, editedButton_, fields_);
  changed_ = false;
}

bool ButtonEditor::Ask(const std::string& text) {
  return ui_.CursorMessageDlg(text, MsgKind::Confirmation, MsgButtons::YesNo) == MsgResult::Yes;
}

MsgResult ButtonEditor::LeaveButton() {
  if (!changed_) return MsgResult::No;
  const MsgResult answer =
      ui_.CursorMessageDlg("Do you want to save the changes to the " + fields_.fields.name + " button?",
                           MsgKind::Confirmation, MsgButtons::YesNoCancel);
  if (answer == MsgResult::Yes) Save();
  if (answer == MsgResult::No) changed_ = false;
  return answer == MsgResult::Yes || answer == MsgResult::No ? answer : MsgResult::Cancel;
}

std::string ButtonEditor::Caption() const {
  return page_ == EditorPage::Groups ? kGroupOptionsCaption : EditCaption(fields_.fields.text);
}

void ButtonEditor::ShowCaption() { view_.ShowCaption(Caption()); }

EditorFocus ButtonEditor::InitialFocus() const {
  const std::string& name = fields_.fields.name;
  return name.empty() || name == "New" ? EditorFocus::Name : EditorFocus::Text;
}

std::string ButtonEditor::ButtonStatus(int b) const {
  const TGroup* group = OptionsGroupRecord();
  return group ? ButtonStatusText(*group, b) : std::string(kButtonListHelp);
}

std::string ButtonEditor::CopyDupsStatus(int index) const {
  const TGroup* group = OptionsGroupRecord();
  return CopyDupsHint(index, group ? group->FillMode : 1);
}

std::vector<QuickFixMenuEntry> ButtonEditor::QuickFixEntries() const {
  return UpdateQuickFixMenu(settings_.QuickFixes).editor;
}

Rect ButtonEditor::StoredFrame() const {
  return Rect{settings_.EditLeft, settings_.EditTop, std::max(settings_.EditWidth, kMinEditWidth),
              std::max(settings_.EditHeight, kMinEditHeight)};
}

void ButtonEditor::StoreFrame(const Rect& frame) {
  settings_.EditLeft = frame.left;
  settings_.EditTop = frame.top;
  settings_.EditWidth = std::max(frame.width, kMinEditWidth);
  settings_.EditHeight = std::max(frame.height, kMinEditHeight);
}

void ButtonEditor::SetName(const std::string& name) {
  fields_.fields.name = name;
  changed_ = true;
  // The button window shows the new name at once; the record changes on save.
  if (editedGroup_ == table_.CurrentGroup && ValidButton(editedGroup_, editedButton_)) {
    windowView_.SetButtonCaption(editedButton_, name);
  }
}

void ButtonEditor::SetHint(const std::string& hint) {
  fields_.fields.hint = hint;
  changed_ = true;
}

void ButtonEditor::SetText(const std::string& text) {
  fields_.fields.text = text;
  changed_ = true;
  ShowCaption();
}

void ButtonEditor::PageChanged(EditorPage page) {
  page_ = page;
  ShowCaption();
}

void ButtonEditor::ColorButtonPressed() {
  if (fields_.fontColor != settings_.DefTextColor || fields_.color != settings_.DefButtonColor) changed_ = true;
  fields_.fontColor = settings_.DefTextColor;
  fields_.color = settings_.DefButtonColor;
  view_.ShowButton();
}

void ButtonEditor::ColorButtonClicked() {
  const ColorDialogResult result =
      colors_.ColorDialog(ColorPair{fields_.fontColor, fields_.color}, Favorites(settings_));
  SetFavorites(settings_, result.favorites);
  if (!result.chosen) return;
  if (result.chosen->text != fields_.fontColor || result.chosen->face != fields_.color) changed_ = true;
  fields_.fontColor = settings_.DefTextColor = result.chosen->text;
  fields_.color = settings_.DefButtonColor = result.chosen->face;
  view_.ShowButton();
}

void ButtonEditor::QuickFixClick(int tag) { quickFixes_.MenuQuickFixClick(tag); }

void ButtonEditor::HelpClick() {
  Call(hooks_.help);
  view_.Focus(EditorFocus::Text);
}

void ButtonEditor::OkClick() {
  Save();
  view_.Close(true);
}

void ButtonEditor::CancelClick() { view_.Close(false); }

void ButtonEditor::CloseRequest() {
  if (page_ == EditorPage::Groups && changed_) {
    page_ = EditorPage::Button;
    view_.ShowPage(EditorPage::Button);
    ShowCaption();
    const MsgResult answer = LeaveButton();
    if (answer == MsgResult::Cancel) {
      view_.Focus(EditorFocus::Text);
      return;
    }
    // A saved button reaches the data file as after OK.
    view_.Close(answer == MsgResult::Yes);
    return;
  }
  view_.Close(false);
}

// The Groups page's lists.

void ButtonEditor::ShowOptionsGroup(int g) {
  optionsGroup_ = g;
  optionsName_ = table_.Groups[g].Name;
  selectedButton_ = 1;
}

void ButtonEditor::SelectGroupRow(int row) {
  if (row < 0 || row >= static_cast<int>(table_.GroupList.size())) return;
  const int g = table_.FindGroup(table_.GroupList[row]);
  if (g < 1) return;
  ShowOptionsGroup(g);
  view_.ShowGroups();
}

void ButtonEditor::SelectButton(int b) { selectedButton_ = b; }

void ButtonEditor::EditSelectedButton() {
  if (!ValidButton(optionsGroup_, selectedButton_)) return;
  if (optionsGroup_ != editedGroup_ || selectedButton_ != editedButton_) {
    if (LeaveButton() == MsgResult::Cancel) return;
    Load(optionsGroup_, selectedButton_);
  }
  page_ = EditorPage::Button;
  view_.ShowPage(EditorPage::Button);
  ShowCaption();
  view_.Focus(EditorFocus::Text);
}

void ButtonEditor::NewButton() {
  TGroup* group = Options();
  if (group == nullptr) return;
  page_ = EditorPage::Button;
  view_.ShowPage(EditorPage::Button);
  if (LeaveButton() == MsgResult::Cancel) {
    page_ = EditorPage::Groups;
    view_.ShowPage(EditorPage::Groups);
    return;
  }
  group->ResizeButtons();
  const int g = optionsGroup_;
  const int b = std::clamp(selectedButton_ + 1, group->NumClipButtons + 1, group->TotalButtons() + 1);
  TButton fresh;
  fresh.Name = "New";
  group->Buttons.insert(b, fresh);
  ++group->NumPermButtons;
  selectedButton_ = b;
  Load(g, b);
  if (g == table_.CurrentGroup) Call(hooks_.refresh);
  view_.ShowGroups();
  view_.Focus(EditorFocus::Name);
}

void ButtonEditor::AfterMove(int g, int from, int to) {
  if (g != editedGroup_ || from == to) return;
  if (editedButton_ == from) {
    editedButton_ = to;
  } else if (from < editedButton_ && editedButton_ <= to) {
    --editedButton_;
  } else if (to <= editedButton_ && editedButton_ < from) {
    ++editedButton_;
  }
}

void ButtonEditor::DeleteSelectedButton() {
  TGroup* group = Options();
  const int g = optionsGroup_, b = selectedButton_;
  if (group == nullptr || !ValidButton(g, b)) return;
  const bool clip = group->IsClipButton(b);
  // Where a cleared clip goes: the far end from where clips enter.
  const int to = group->FillMode == 1 ? group->NumClipButtons : 1;
  if (!buttons_.DeleteButton(g, b, false)) return;
  if (g == editedGroup_) {
    const bool itself = b == editedButton_;
    if (clip) {
      AfterMove(g, b, to);
    } else if (itself) {
      editedButton_ = 1;
    } else if (b < editedButton_) {
      --editedButton_;
    }
    if (itself) Load(editedGroup_, editedButton_);
  }
  selectedButton_ = std::min(b, table_.Groups[g].TotalButtons());
  view_.ShowGroups();
}

void ButtonEditor::MakeSelectedPermanent() {
  TGroup* group = Options();
  if (group == nullptr || !group->IsClipButton(selectedButton_)) return;
  buttons_.MakePermanent(optionsGroup_, selectedButton_);
  view_.ShowGroups();
}

void ButtonEditor::SortButtons() {
  TGroup* group = Options();
  if (group == nullptr) return;
  if (!Ask("This will sort the buttons in the " + group->Name +
           " group alphabetically.\n\n"
           "You can also move a button by holding the Right mouse\nbutton down on it and dragging it to a new "
           "location.\n\nAre you sure you want to sort the buttons in this group?")) {
    return;
  }
  const int g = optionsGroup_;
  const int tracked = g == editedGroup_ ? editedButton_ : 0;
  int moved = SortButtonRange(*group, 1, group->NumClipButtons, tracked);
  moved = SortButtonRange(*group, group->NumClipButtons + 1, group->TotalButtons(), moved);
  if (g == editedGroup_) editedButton_ = moved;
  RedisplayIf(g, true);
  view_.ShowGroups();
}

void ButtonEditor::DropOnButtonList(int to) {
  TGroup* group = Options();
  const int g = optionsGroup_, from = selectedButton_;
  if (group == nullptr || !ValidButton(g, from)) return;
  const int clips = group->NumClipButtons, total = group->TotalButtons();
  // Where MoveButton puts it: a button stays on its side of the clip boundary.
  const int placed = from <= clips ? std::clamp(to, 1, clips) : std::clamp(to, clips + 1, total);
  if (buttons_.MoveButton(from, to, g) == 0) AfterMove(g, from, placed);
  selectedButton_ = std::clamp(to, 1, table_.Groups[g].TotalButtons());
  RedisplayIf(g, false);
  view_.ShowGroups();
}

void ButtonEditor::DropButtonOnGroup(int row) {
  if (row < 0 || row >= static_cast<int>(table_.GroupList.size())) return;
  const int t = table_.FindGroup(table_.GroupList[row]);
  if (t < 1 || !ValidButton(optionsGroup_, selectedButton_)) return;
  const int clipsBefore = table_.Groups[t].NumClipButtons;
  const bool grew = groups_.CopyToGroup(optionsGroup_, t, selectedButton_) == 1;
  // One more clip button pushes the permanent buttons one place on.
  if (t == editedGroup_ && grew && editedButton_ > clipsBefore) ++editedButton_;
  if (t == optionsGroup_ && grew && selectedButton_ > clipsBefore) ++selectedButton_;
  view_.ShowGroups();
}

void ButtonEditor::DropGroupOnGroup(int from, int to) {
  auto& list = table_.GroupList;
  const int count = static_cast<int>(list.size());
  if (from < 0 || from >= count || count == 0) return;
  to = std::clamp(to, 0, count - 1);
  const std::string name = list[from];
  list.erase(list.begin() + from);
  list.insert(list.begin() + to, name);
  const int g = table_.FindGroup(name);
  if (g > 0) ShowOptionsGroup(g);
  Call(hooks_.refresh);
  view_.ShowGroups();
}

void ButtonEditor::SortGroups() {
  if (!Ask("This will sort the group names alphabetically.\n\nYou can also move a group by holding the Right "
           "mouse\nbutton down on it and dragging it to a new location.\n\nAre you sure you want to sort the "
           "group names?")) {
    return;
  }
  std::stable_sort(table_.GroupList.begin(), table_.GroupList.end(),
                   [](const std::string& a, const std::string& b) { return UpperAscii(a) < UpperAscii(b); });
  Call(hooks_.refresh);
  view_.ShowGroups();
}

void ButtonEditor::ShowGroupInWindow(int row) {
  if (row < 0 || row >= static_cast<int>(table_.GroupList.size()) || !hooks_.showGroup) return;
  hooks_.showGroup(row);
}

void ButtonEditor::FollowGroups(bool indicesKept) {
  if (indicesKept) {
    // New, renamed or copied groups: numbers stay, names may change.
    if (editedGroup_ >= 1 && editedGroup_ <= table_.GroupCount()) editedName_ = table_.Groups[editedGroup_].Name;
    if (optionsGroup_ >= 1 && optionsGroup_ <= table_.GroupCount()) optionsName_ = table_.Groups[optionsGroup_].Name;
    return;
  }
  const int edited = table_.FindGroup(editedName_);
  if (edited >= 1) {
    editedGroup_ = edited;
  } else if (!table_.GroupList.empty()) {
    const int first = std::max(1, table_.FindGroup(table_.GroupList.front()));
    if (ValidButton(first, 1)) Load(first, 1);
  }
  const int options = table_.FindGroup(optionsName_);
  optionsGroup_ = options >= 1 ? options : editedGroup_;
}

void ButtonEditor::NewGroup() {
  const int row = groups_.AskForNewGroup();
  FollowGroups(true);
  if (row >= 0) return SelectGroupRow(row);
  view_.ShowGroups();
}

void ButtonEditor::RenameGroup() {
  const int row = groups_.AskForRenameGroup(optionsGroup_);
  FollowGroups(true);
  if (row >= 0) return SelectGroupRow(row);
  view_.ShowGroups();
}

void ButtonEditor::DeleteGroup() {
  const int deleted = groups_.AskForDeleteGroup(optionsGroup_);
  // Later groups moved down by one: both groups are found again by name.
  FollowGroups(false);
  if (deleted > -1) return SelectGroupRow(0);
  view_.ShowGroups();
}

void ButtonEditor::CopyGroup() {
  groups_.AskForCopyGroup(optionsGroup_);
  FollowGroups(true);
  view_.ShowGroups();
}

void ButtonEditor::ClearAllClip() {
  groups_.ClearAllClip(optionsGroup_);
  view_.ShowGroups();
}

void ButtonEditor::MarkAllUnused() {
  TGroup* group = Options();
  if (group == nullptr || !Ask("Are you sure you want to mark all buttons in the " + group->Name + " group unused?")) {
    return;
  }
  group->ResizeButtons();
  for (int b = 1; b <= group->NumClipButtons; ++b) group->Buttons.SetUsed(b, false);
  RedisplayIf(optionsGroup_, false);
  view_.ShowGroups();
}

void ButtonEditor::RedisplayIf(int g, bool rebuild) const {
  if (g != table_.CurrentGroup) return;
  Call(rebuild ? hooks_.refresh : hooks_.display);
}

// The quick fixes work on the text box.

void ButtonEditor::SetSampleColors(TColor face, std::optional<TColor> fontColor) {
  fields_.color = face;
  if (fontColor) fields_.fontColor = *fontColor;
  changed_ = true;
  view_.ShowButton();
}

EditorText ButtonEditor::GetText() {
  const TextSelection selection = view_.Selection();
  return EditorText{fields_.fields.text, selection.start, selection.length, fields_.fields.name};
}

void ButtonEditor::SetText(const EditorText& text) {
  fields_.fields.text = text.text;
  fields_.fields.name = text.name;
  changed_ = true;
  view_.ShowButton();
  view_.SetSelection(TextSelection{text.selStart, text.selLength});
  ShowCaption();
}

}  // namespace cvd
