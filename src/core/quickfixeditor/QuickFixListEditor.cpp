#include "core/quickfixeditor/QuickFixListEditor.h"

#include <algorithm>

#include "core/data/Colors.h"
#include "core/groups/FavoriteColors.h"
#include "core/ports/ColorDialogView.h"
#include "core/ports/Hotkeys.h"
#include "core/ports/Messages.h"
#include "core/ports/QuickFixEditorView.h"
#include "core/quickfixeditor/QuickFixFunctions.h"
#include "core/settings/Settings.h"
#include "core/shortcuts/KeyValue.h"
#include "core/shortcuts/ShortcutTable.h"
#include "core/util/Text.h"

namespace cvd {

namespace {

constexpr const char* kQueryCaption = "Quick Fix";

std::string ExistsText(const std::string& name) {
  return "A Quick Fix with the \"" + name + "\" name already exists.\nPlease choose another name and try again.";
}

// Where the fix at `position` lands when the fix at `from` moves to `to`.
int MovedPosition(int position, int from, int to) {
  if (position == from) return to;
  if (from < to && position > from && position <= to) return position - 1;
  if (to < from && position >= to && position < from) return position + 1;
  return position;
}

}  // namespace

QuickFixListEditor::QuickFixListEditor(Settings& settings, Messages& ui, ColorDialogView& colors, Hotkeys& hotkeys,
                                       QuickFixEditorView& view, QuickFixEditorHooks hooks)
    : settings_(settings), ui_(ui), colors_(colors), hotkeys_(hotkeys), view_(view), hooks_(std::move(hooks)) {}

int QuickFixListEditor::Count() const { return settings_.QuickFixes.Count(); }

std::string QuickFixListEditor::Name(int fix) const { return settings_.QuickFixes.Name(fix); }

bool QuickFixListEditor::HasSelection() const { return settings_.QuickFixes.Contains(selected_); }

void QuickFixListEditor::Show() {
  // The list may have been read anew since the window was last open.
  if (!HasSelection()) selected_ = Count() > 0 ? 0 : -1;
  LoadSelected();
  view_.ShowEditor();
}

void QuickFixListEditor::CloseClick(const std::string& actionText) {
  FixTextChange(actionText);
  view_.HideEditor();
  if (hooks_.closed) hooks_.closed();
}

void QuickFixListEditor::Select(int row) {
  if (Count() == 0 || row < 0) return;
  selected_ = std::min(row, Count() - 1);
  LoadSelected();
}

void QuickFixListEditor::FixTextChange(const std::string& text) {
  if (loading_ || !HasSelection()) return;
  SetAction(text);
}

void QuickFixListEditor::NewClick() {
  if (Count() >= QuickFixList::kMaxEntries) {
    ui_.CursorMessageDlg(kMaxQuickFixesText, MsgKind::Error, MsgButtons::Ok);
    return;
  }
  const auto answer = ui_.InputQuery("Create New Quick Fix", "Name of new Quick Fix:", "");
  if (!answer) return;
  const std::string name = TrimQuickFixName(*answer);
  if (!AcceptableName(name)) return;
  // The new fix starts without a key, whatever was stored beyond the list.
  settings_.QuickFixHotKeys.resize(static_cast<std::size_t>(Count()), 0);
  settings_.QuickFixHotKeys.push_back(0);
  settings_.QuickFixes.Entries.push_back(MakeQuickFixEntry(name, ""));
  ListChanged();
  selected_ = Count() - 1;
  LoadSelected();
  view_.FocusActionText();
}

void QuickFixListEditor::DeleteClick() {
  if (!HasSelection()) return;
  const int fix = selected_;
  const std::string question = "Are you sure you want to delete the \"" + Name(fix) + "\" Quick Fix?";
  if (ui_.CursorMessageDlg(question, MsgKind::Confirmation, MsgButtons::YesNo) != MsgResult::Yes) return;
  if (!settings_.QuickFixes.Contains(fix)) return;
  const int oldCount = Count();
  settings_.QuickFixes.Entries.erase(settings_.QuickFixes.Entries.begin() + fix);
  // Keys follow their fixes as the gestures do: the deleted fix's key is
  // given up and no key stays on the position that falls away.
  auto& keys = settings_.QuickFixHotKeys;
  if (fix < static_cast<int>(keys.size())) keys.erase(keys.begin() + fix);
  for (const Gesture gesture : kMenuGestures) {
    int& slot = Slot(gesture);
    if (slot == fix) slot = -1;
    if (slot > fix) --slot;
  }
  RetakeKeys(fix, oldCount);
  selected_ = Count() > 0 ? 0 : -1;
  LoadSelected();
  ListChanged();
}

void QuickFixListEditor::RenameClick() {
  if (!HasSelection()) return;
  const int fix = selected_;
  const std::string current = Name(fix);
  const auto answer = ui_.InputQuery("Rename Quick Fix", "New name of Quick Fix:", current);
  if (!answer || !settings_.QuickFixes.Contains(fix)) return;
  const std::string name = TrimQuickFixName(*answer);
  if (name == current || !AcceptableName(name)) return;
  std::string& entry = settings_.QuickFixes.Entries[fix];
  entry = MakeQuickFixEntry(name, QuickFixAction(entry));
  ListChanged();
}

void QuickFixListEditor::Move(int from, int to) {
  const int count = Count();
  if (!settings_.QuickFixes.Contains(from) || to < 0) return;
  to = std::min(to, count - 1);
  if (to == from) return;
  auto& entries = settings_.QuickFixes.Entries;
  auto& keys = settings_.QuickFixHotKeys;
  keys.resize(static_cast<std::size_t>(count), 0);
  const auto rotate = [&](auto& list) {
    if (from < to) {
      std::rotate(list.begin() + from, list.begin() + from + 1, list.begin() + to + 1);
    } else {
      std::rotate(list.begin() + to, list.begin() + from, list.begin() + from + 1);
    }
  };
  rotate(entries);
  rotate(keys);
  for (const Gesture gesture : kMenuGestures) {
    int& slot = Slot(gesture);
    slot = slot >= 0 && slot < count ? MovedPosition(slot, from, to) : -1;
  }
  selected_ = to;
  LoadSelected();
  ListChanged();
  RetakeKeys(std::min(from, to), count);
}

Gesture QuickFixListEditor::GestureOf(int fix) const {
  if (!settings_.QuickFixes.Contains(fix)) return Gesture::None;
  for (const Gesture gesture : {Gesture::Left, Gesture::Right, Gesture::Up, Gesture::Down}) {
    if (Slot(gesture) == fix) return gesture;
  }
  return Gesture::None;
}

GestureMenuState QuickFixListEditor::GestureMenu() const {
  GestureMenuState menu;
  if (!HasSelection()) return menu;
  for (std::size_t i = 0; i < kMenuGestures.size(); ++i) {
    menu.setVisible[i] = Slot(kMenuGestures[i]) != selected_;
    menu.removeVisible = menu.removeVisible || !menu.setVisible[i];
  }
  menu.changeShortcutEnabled = bool(showShortcutRow_);
  return menu;
}

void QuickFixListEditor::SetGesture(Gesture gesture) {
  if (!HasSelection() || gesture == Gesture::None) return;
  for (const Gesture held : kMenuGestures) {
    if (Slot(held) == selected_) Slot(held) = -1;
  }
  Slot(gesture) = selected_;
}

void QuickFixListEditor::RemoveGesture() {
  const Gesture held = GestureOf(selected_);
  if (held != Gesture::None) Slot(held) = -1;
}

void QuickFixListEditor::ChangeShortcutKeyClick() {
  if (HasSelection() && showShortcutRow_) showShortcutRow_(kQuickFixRowBase + selected_);
}

std::string QuickFixListEditor::FunctionDescription(std::string_view displayName) {
  return FindQuickFixFunction(displayName).description;
}

void QuickFixListEditor::FunctionDoubleClick(std::string_view displayName) {
  if (!HasSelection()) return;
  const QuickFixFunction& function = FindQuickFixFunction(displayName);
  const std::string keyword = function.keyword;
  std::string argument;
  if (keyword == "ButtonColor") {
    const ColorDialogResult result = colors_.ColorDialog(ColorPair{clBlack, clBtnFace}, Favorites(settings_));
    SetFavorites(settings_, result.favorites);
    if (!result.chosen) return;
    argument = ColorToString(result.chosen->face) + "," + ColorToString(result.chosen->text);
  } else if (function.prompt != nullptr) {
    const auto answer = ui_.InputQuery(kQueryCaption, function.prompt, "");
    if (!answer) return;
    argument = *answer;
    if (keyword == "Replace") {
      // {Replace} splits its argument at the first comma.
      if (argument.find(',') != std::string::npos) {
        ui_.CursorMessageDlg(kReplaceCommaText, MsgKind::Error, MsgButtons::Ok);
        return;
      }
      const auto with = ui_.InputQuery(kQueryCaption, "What do you want to replace \"" + argument + "\" with?", "");
      if (!with) return;
      argument += "," + *with;
    }
  }
  // The dialogs let other work run; the fix may be gone.
  if (!HasSelection()) return;
  SetAction(settings_.QuickFixes.Action(selected_) + QuickFixCommand(keyword, argument));
  LoadSelected();
}

Rect QuickFixListEditor::Bounds() const {
  return Rect{settings_.QuickFixLeft, settings_.QuickFixTop, settings_.QuickFixWidth, settings_.QuickFixHeight};
}

void QuickFixListEditor::BoundsChanged(const Rect& bounds) {
  settings_.QuickFixLeft = bounds.left;
  settings_.QuickFixTop = bounds.top;
  settings_.QuickFixWidth = bounds.width;
  settings_.QuickFixHeight = bounds.height;
}

int& QuickFixListEditor::Slot(Gesture gesture) {
  switch (gesture) {
    case Gesture::Left: return settings_.GestLeft;
    case Gesture::Up: return settings_.GestUp;
    case Gesture::Down: return settings_.GestDown;
    default: return settings_.GestRight;
  }
}

int QuickFixListEditor::Slot(Gesture gesture) const { return const_cast<QuickFixListEditor*>(this)->Slot(gesture); }

bool QuickFixListEditor::AcceptableName(const std::string& name) {
  bool used = name.empty();
  for (int i = 0; i < Count() && !used; ++i) used = SameTextAscii(Name(i), name);
  if (used) {
    ui_.CursorMessageDlg(ExistsText(name), MsgKind::Error, MsgButtons::Ok);
    return false;
  }
  if (!UsableAsSettingsKey(name)) {
    ui_.CursorMessageDlg(kQuickFixNameNotUsableText, MsgKind::Error, MsgButtons::Ok);
    return false;
  }
  return true;
}

void QuickFixListEditor::SetAction(const std::string& action) {
  std::string& entry = settings_.QuickFixes.Entries[selected_];
  entry = MakeQuickFixEntry(QuickFixName(entry), action);
}

void QuickFixListEditor::LoadSelected() {
  loading_ = true;
  view_.SetActionText(settings_.QuickFixes.Action(selected_));
  loading_ = false;
}

void QuickFixListEditor::RetakeKeys(int first, int oldCount) {
  for (int i = first; i < oldCount; ++i) hotkeys_.Unregister(kQuickFixHotKeyBase + i);
  auto& keys = settings_.QuickFixHotKeys;
  for (int i = first; i < Count() && i < static_cast<int>(keys.size()); ++i) {
    int& value = keys[i];
    value = CheckedKeyValue(value);
    if (value != 0 && !RegisterKeyValue(hotkeys_, kQuickFixHotKeyBase + i, value)) {
      value = 0;
    }
  }
}

void QuickFixListEditor::ListChanged() {
  if (hooks_.listChanged) hooks_.listChanged();
}

}  // namespace cvd
