#include "core/groups/GroupOperations.h"

#include <algorithm>

#include "core/clipboard/ClipFill.h"
#include "core/groups/GroupFileActions.h"
#include "core/ports/Messages.h"
#include "core/util/Text.h"

namespace cvd {

std::string GroupExistsText(const std::string& name) {
  return "The \"" + name + "\" group already exists.\n\nPlease choose another name.";
}

GroupOperations::GroupOperations(GroupTable& table, Settings& settings, Directories& dirs, Messages& ui,
                                 GroupHooks hooks)
    : table_(table), settings_(settings), dirs_(dirs), ui_(ui), hooks_(std::move(hooks)) {}

int GroupOperations::ListPosition(const std::string& name) const {
  const std::string wanted = UpperAscii(name);
  for (int i = 0; i < static_cast<int>(table_.GroupList.size()); ++i) {
    if (UpperAscii(table_.GroupList[i]) == wanted) return i;
  }
  return -1;
}

bool GroupOperations::NameTaken(const std::string& name) {
  if (table_.FindGroup(name) < 0) return false;
  ui_.CursorMessageDlg(GroupExistsText(name), MsgKind::Error, MsgButtons::Ok);
  return true;
}

// Later code reads a group name's first letter, so no group gets an empty one.
std::optional<std::string> GroupOperations::AskNewName(const char* caption, const char* prompt,
                                                       const std::string& initial) {
  std::optional<std::string> name = ui_.InputQuery(caption, prompt, initial);
  if (!name || name->empty() || NameTaken(*name)) return std::nullopt;
  return name;
}

void GroupOperations::Refresh() {
  const int position = table_.CurrentListPosition();
  if (position >= 0 && hooks_.showListPosition) hooks_.showListPosition(position, true);
}

int GroupOperations::AskForNewGroup() {
  const std::optional<std::string> name = AskNewName(kNewGroupCaption, kNewGroupPrompt, "");
  if (!name) return -1;
  table_.AddGroup(*name, dirs_.ProgramDir);
  return static_cast<int>(table_.GroupList.size()) - 1;
}

void GroupOperations::MenuNewGroupClick() {
  const int position = AskForNewGroup();
  if (position >= 0 && hooks_.showListPosition) hooks_.showListPosition(position, true);
}

int GroupOperations::AskForRenameGroup(int g) {
  if (g < 1 || g > table_.GroupCount()) return -1;
  const std::string oldName = table_.Groups[g].Name;
  const std::optional<std::string> name = AskNewName(kRenameGroupCaption, kRenameGroupPrompt, oldName);
  if (!name) return -1;
  const int position = ListPosition(oldName);
  if (position >= 0) table_.GroupList[position] = *name;
  table_.Groups[g].Name = *name;
  Refresh();  // the selector's list shows the new name
  return position;
}

int GroupOperations::AskForDeleteGroup(int g) {
  if (g < 1 || g > table_.GroupCount()) return -1;
  if (table_.GroupCount() == 1) {
    ui_.CursorMessageDlg(kLastGroupText, MsgKind::Error, MsgButtons::Ok);
    return -1;
  }
  const std::string name = table_.Groups[g].Name;
  if (ui_.CursorMessageDlg("Are you sure you want to delete the \"" + name + "\" group?", MsgKind::Confirmation,
                           MsgButtons::YesNo) != MsgResult::Yes) {
    return -1;
  }
  const int position = ListPosition(name);
  if (position >= 0) table_.GroupList.erase(table_.GroupList.begin() + position);
  table_.Groups.erase(table_.Groups.begin() + g);
  if (hooks_.groupDeleted) hooks_.groupDeleted(g);
  if (g == table_.CurrentGroup) {
    table_.CurrentGroup = std::min(table_.CurrentGroup, table_.GroupCount());
    if (hooks_.showListPosition) hooks_.showListPosition(0, false);
    return 0;
  }
  if (g < table_.CurrentGroup) --table_.CurrentGroup;
  Refresh();  // the selector's list loses the name
  return 0;
}

void GroupOperations::AskForCopyGroup(int g) {
  if (g < 1 || g > table_.GroupCount()) return;
  const MsgResult withClips =
      ui_.CursorMessageDlg("This will copy all the buttons and settings of the " + table_.Groups[g].Name +
                               " group to a new group.\n\nDo you want to copy the contents of the Clipboard Buttons?",
                           MsgKind::Confirmation, MsgButtons::YesNoCancel);
  if (withClips != MsgResult::Yes && withClips != MsgResult::No) return;
  const std::optional<std::string> name = AskNewName(kCopyGroupCaption, kNewGroupPrompt, "");
  if (!name) return;
  const int index = table_.AddGroup(*name, dirs_.ProgramDir);
  const TGroup& source = table_.Groups[g];
  TGroup copy = source;
  copy.Name = *name;
  copy.MonitorApplication.clear();
  copy.MonitorWindow.clear();
  copy.Shared = false;
  copy.ResizeButtons();
  if (withClips == MsgResult::No) {
    for (int b = 1; b <= copy.NumClipButtons; ++b) copy.Buttons.Set(b, EmptyClipButton());
  }
  table_.Groups[index] = std::move(copy);
  if (hooks_.showListPosition) hooks_.showListPosition(static_cast<int>(table_.GroupList.size()) - 1, true);
}

int GroupOperations::CopyToGroup(int s, int t, int b) {
  if (s < 1 || s > table_.GroupCount() || t < 1 || t > table_.GroupCount()) return 0;
  const TGroup& source = table_.Groups[s];
  if (b < 1 || b > source.TotalButtons() || b >= static_cast<int>(source.Buttons.size())) return 0;
  TButton copy = source.Buttons[b];
  copy.Used = false;
  const bool permanent = b > source.NumClipButtons;
  TGroup& target = table_.Groups[t];
  target.ResizeButtons();
  int result = 0;
  if (permanent) {
    ++target.NumPermButtons;
    target.Buttons.push_back(copy);
  } else {
    int slot = 1;
    while (slot <= target.NumClipButtons && !target.Buttons.Text(slot).empty()) ++slot;
    if (slot > target.NumClipButtons) {
      SetNewNumClipButtons(target, target.NumClipButtons + 1);
      slot = target.NumClipButtons;
      result = 1;
    }
    target.Buttons.Set(slot, copy);
  }
  if (t == table_.CurrentGroup) Refresh();
  return result;
}

void GroupOperations::CopyCurrentButtonTo(int t) { CopyToGroup(table_.CurrentGroup, t, table_.CurrentButton); }

void GroupOperations::CopyCurrentButtonToAllGroups() {
  const int current = table_.CurrentGroup;
  for (int t = 1; t <= table_.GroupCount(); ++t) {
    if (t != current) CopyToGroup(current, t, table_.CurrentButton);
  }
}

void GroupOperations::ClearAllClip(int g) {
  if (g < 1 || g > table_.GroupCount()) return;
  TGroup& group = table_.Groups[g];
  if (!settings_.DontAskClearAll) {
    const AskResult answer = ui_.CursorMessageDlgAsk(
        "Are you sure you want to clear all the clipboard buttons in the \"" + group.Name + "\" group?",
        MsgKind::Confirmation, MsgButtons::YesNo);
    settings_.DontAskClearAll = answer.dontAskAgain;
    if (answer.result != MsgResult::Yes) return;
  }
  group.ResizeButtons();
  for (int b = 1; b <= group.NumClipButtons; ++b) group.Buttons.Set(b, EmptyClipButton());
  if (g == table_.CurrentGroup) Refresh();
  hooks_.resetFadeTimer();
}

void GroupOperations::MarkAllUnused() {
  if (!settings_.DontAskUnused) {
    const AskResult answer = ui_.CursorMessageDlgAsk("Are you sure you want to mark all buttons unused?",
                                                     MsgKind::Confirmation, MsgButtons::YesNo);
    settings_.DontAskUnused = answer.dontAskAgain;
    if (answer.result != MsgResult::Yes) return;
  }
  TGroup& group = table_.Current();
  group.ResizeButtons();
  for (int b = 1; b <= group.NumClipButtons; ++b) group.Buttons.SetUsed(b, false);
  Refresh();
  hooks_.resetFadeTimer();
}

void GroupOperations::ExportCurrentGroup() { ExportGroup(table_.Current(), ui_, dirs_.ExportDir); }

void GroupOperations::ImportGroupFile() {
  const GroupImport import = ImportGroup(table_, ui_, dirs_.ImportDir, dirs_.ProgramDir, hooks_.makeCaption);
  if (!import.imported) return;
  const int position = ListPosition(table_.Groups[import.groupIndex].Name);
  if (position >= 0 && hooks_.showListPosition) hooks_.showListPosition(position, true);
}

void GroupOperations::StepGroup(bool previous) {
  const int count = static_cast<int>(table_.GroupList.size());
  if (count < 1) return;
  const int position = std::max(0, table_.CurrentListPosition());
  const int next = previous ? (position + count - 1) % count : (position + 1) % count;
  if (hooks_.showListPosition) hooks_.showListPosition(next, true);
}

}  // namespace cvd
