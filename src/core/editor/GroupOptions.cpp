// The group options of the button editor: each control writes its field of
// the options group at once, within the limits the form shows.
#include <algorithm>

#include "core/clipboard/ClipFill.h"
#include "core/editor/ButtonEditor.h"
#include "core/editor/EditorTexts.h"
#include "core/ports/Shell.h"
#include "core/ports/Ui.h"
#include "core/util/Files.h"

namespace cvd {

void ButtonEditor::SetFillMode(int mode) {
  if (TGroup* group = Options()) group->FillMode = mode == 1 ? 1 : 2;
}

void ButtonEditor::SetNumClipButtons(int count) {
  TGroup* group = Options();
  if (group == nullptr) return;
  const int g = optionsGroup_;
  const int before = group->NumClipButtons;
  count = std::clamp(count, 1, kMaxClipButtons);
  const bool edited = g == editedGroup_;
  const bool cutOff = edited && editedButton_ <= before && editedButton_ > count;
  // The question about the edited clip comes while it still exists.
  if (cutOff && LeaveButton() == MsgResult::Cancel) return view_.ShowGroups();
  SetNewNumClipButtons(*group, count);
  if (cutOff) {
    Load(g, 1);
  } else if (edited && editedButton_ > before) {
    editedButton_ += count - before;  // the permanent buttons moved with the clip range
  }
  selectedButton_ = 1;
  RedisplayIf(g, true);
  view_.ShowGroups();
}

int ButtonEditor::MaxColumns() const {
  const TGroup* group = OptionsGroupRecord();
  return group ? group->TotalButtons() / 2 + 1 : 1;
}

void ButtonEditor::SetNumColumns(int columns) {
  TGroup* group = Options();
  if (group == nullptr) return;
  group->NumColumns = std::clamp(columns, 1, MaxColumns());
  RedisplayIf(optionsGroup_, true);
}

void ButtonEditor::SetCopyDups(int index) {
  if (TGroup* group = Options()) group->CopyDups = std::clamp(index, 0, 3);
}

void ButtonEditor::SetRememberPos(bool on) {
  if (TGroup* group = Options()) group->RememberPos = on;
}

void ButtonEditor::SetTrackUsed(bool on) {
  TGroup* group = Options();
  if (group == nullptr) return;
  group->TrackUsed = on;
  RedisplayIf(optionsGroup_, false);
}

void ButtonEditor::SetButtonSize(int width, int height) {
  TGroup* group = Options();
  if (group == nullptr) return;
  group->ButtonWidth = std::clamp(width, kMinButtonWidth, kMaxButtonWidth);
  group->ButtonHeight = std::clamp(height, kMinButtonHeight, kMaxButtonHeight);
  RedisplayIf(optionsGroup_, true);
}

void ButtonEditor::SetButtonSizeForAllGroups(int width, int height) {
  width = std::clamp(width, kMinButtonWidth, kMaxButtonWidth);
  height = std::clamp(height, kMinButtonHeight, kMaxButtonHeight);
  if (!Ask("Change the button size for all groups to " + std::to_string(width) + " by " + std::to_string(height) +
           " pixels?")) {
    return;
  }
  for (int g = 1; g <= table_.GroupCount(); ++g) {
    table_.Groups[g].ButtonWidth = width;
    table_.Groups[g].ButtonHeight = height;
  }
  if (hooks_.refresh) hooks_.refresh();
  view_.ShowGroups();
}

void ButtonEditor::SetPlaySound(bool on) {
  TGroup* group = Options();
  if (group == nullptr) return;
  // No sound can be switched on without its file.
  group->PlaySound = on && FileExists(group->SoundFile);
  view_.ShowGroups();
}

void ButtonEditor::FindSoundFile() {
  TGroup* group = Options();
  if (group == nullptr) return;
  FileDialogOptions options;
  options.title = "Find Wav Sound File";
  options.filter = "Wav Files|*.wav";
  options.initialDir = group->SoundFile.empty() ? std::string() : FolderOf(group->SoundFile);
  const std::optional<std::string> file = ui_.OpenFileDialog(options);
  // The dialog ran other work meanwhile; the group is looked up again.
  group = Options();
  if (!file || group == nullptr || !FileExists(*file)) return;
  shell_.PlaySound(*file);
  group->SoundFile = *file;
  view_.ShowGroups();
}

void ButtonEditor::SetFont(const std::string& name, int size, TFontStyles style) {
  TGroup* group = Options();
  if (group == nullptr || name.empty()) return;
  group->FontName = name;
  group->FontSize = std::max(1, size);
  group->FontStyle = style;
  RedisplayIf(optionsGroup_, true);
  view_.ShowGroups();
}

void ButtonEditor::SetFontForAllGroups(const std::string& name, int size, TFontStyles style) {
  if (name.empty() || !Ask("Are you sure you want to change the button font for all groups to " + name + "?")) return;
  for (int g = 1; g <= table_.GroupCount(); ++g) {
    table_.Groups[g].FontName = name;
    table_.Groups[g].FontSize = std::max(1, size);
    table_.Groups[g].FontStyle = style;
  }
  if (hooks_.refresh) hooks_.refresh();
  view_.ShowGroups();
}

void ButtonEditor::SetShowHints(bool on) {
  if (TGroup* group = Options()) group->ShowHints = on;
}

void ButtonEditor::SetHintType(int type) {
  if (TGroup* group = Options()) group->HintType = std::clamp(type, 1, 3);
}

void ButtonEditor::SetPasteKeyMode(int mode) {
  if (TGroup* group = Options()) group->PasteKeyMode = mode == 1 ? 1 : 0;
}

void ButtonEditor::SetPasteDelay(int delay) {
  if (TGroup* group = Options()) group->PasteDelay = std::clamp(delay, kMinPasteDelay, kMaxPasteDelay);
}

void ButtonEditor::ApplyToAllGroups() {
  const TGroup* source = OptionsGroupRecord();
  if (source == nullptr || !Ask(ApplyToAllMessage(*source))) return;
  const TGroup from = *source;
  // Clip counts, columns and paste delays stay each group's own.
  for (int g = 1; g <= table_.GroupCount(); ++g) {
    TGroup& to = table_.Groups[g];
    to.FillMode = from.FillMode;
    to.RememberPos = from.RememberPos;
    to.CopyDups = from.CopyDups;
    to.TrackUsed = from.TrackUsed;
    to.ButtonWidth = from.ButtonWidth;
    to.ButtonHeight = from.ButtonHeight;
    to.PlaySound = from.PlaySound;
    to.SoundFile = from.SoundFile;
    to.ShowHints = from.ShowHints;
    to.HintType = from.HintType;
    to.PasteKeyMode = from.PasteKeyMode;
    to.FontName = from.FontName;
    to.FontSize = from.FontSize;
    to.FontStyle = from.FontStyle;
  }
  if (hooks_.refresh) hooks_.refresh();
}

}  // namespace cvd
