#include "core/shortcuts/ShortcutPage.h"

#include "core/shortcuts/KeyValue.h"
#include "core/shortcuts/ShortcutTable.h"

namespace cvd {

namespace {

constexpr const char* kKeyInUseText = "Unable to set short cut key combination, it is already being used.";

int QuickFixKey(const Settings& settings, int i) {
  return i < static_cast<int>(settings.QuickFixHotKeys.size()) ? settings.QuickFixHotKeys[i] : 0;
}

}  // namespace

void ShortcutPage::UpdateShortcutList() {
  rows_.clear();
  for (int row = 0; row < kNumFixedHotKeys; ++row) {
    const int value = settings_.FixedHotKeys[row];
    rows_.push_back(
        ShortcutRow{kFixedHotKeys[row].label, PrintKeyCombo(value), value, assigned_.Of(HotKeyIdOfRow(row))});
  }
  for (int i = 0; i < settings_.NumFix(); ++i) {
    const int value = QuickFixKey(settings_, i);
    rows_.push_back(ShortcutRow{settings_.QuickFixes.Name(i), PrintKeyCombo(value), value,
                                assigned_.Of(HotKeyIdOfRow(kQuickFixRowBase + i))});
  }
  if (selectedRow_ >= static_cast<int>(rows_.size())) selectedRow_ = -1;
}

void ShortcutPage::ShowKeySettings(int row) {
  if (row < 0 || row >= static_cast<int>(rows_.size())) return;
  selectedRow_ = row;
  const int value = rows_[row].value;
  const int code = KeyValueCode(value);
  boxes.key = code < 1 ? "None" : KeyCodeToName(code);
  const int modifiers = KeyValueModifiers(value);
  boxes.alt = (modifiers & hkAlt) != 0;
  boxes.ctrl = (modifiers & hkCtrl) != 0;
  boxes.shift = (modifiers & hkShift) != 0;
  boxes.win = (modifiers & hkSuper) != 0;
  BoxClick();
}

void ShortcutPage::BoxClick() {
  boxes.shiftEnabled = boxes.win || boxes.alt || boxes.ctrl;
  if (!boxes.shiftEnabled) boxes.shift = false;
}

int ShortcutPage::CalcKeyValue() const {
  const int code = KeyNameToCode(boxes.key);
  if (code == 0) return 0;
  const int modifiers = (boxes.alt ? hkAlt : 0) | (boxes.ctrl ? hkCtrl : 0) |
                        (boxes.shift && boxes.shiftEnabled ? hkShift : 0) | (boxes.win ? hkSuper : 0);
  return modifiers * 256 + code;
}

void ShortcutPage::UpdateButtonClick() {
  if (selectedRow_ < 0 || selectedRow_ >= static_cast<int>(rows_.size())) return;
  const int row = selectedRow_;
  const int value = CalcKeyValue();
  const int previous = rows_[row].value;
  if (value == previous) return;
  const int id = HotKeyIdOfRow(row);
  hotkeys_.Unregister(id);
  if (value > 0 && !RegisterKeyValue(hotkeys_, id, value)) {
    RegisterKeyValue(hotkeys_, id, previous);
    ui_.CursorMessageDlg(kKeyInUseText, MsgKind::Error, MsgButtons::Ok);
    return;
  }
  StoreValue(row, value);
  ShowKeySettings(row);
}

void ShortcutPage::ClearButtonClick() {
  boxes.alt = boxes.ctrl = boxes.shift = boxes.win = false;
  boxes.key = "None";
  UpdateButtonClick();
}

void ShortcutPage::StoreValue(int row, int value) {
  rows_[row].value = value;
  rows_[row].display = PrintKeyCombo(value);
  if (row < kNumFixedHotKeys) {
    settings_.FixedHotKeys[row] = value;
    return;
  }
  const auto i = static_cast<std::size_t>(row - kQuickFixRowBase);
  if (settings_.QuickFixHotKeys.size() <= i) settings_.QuickFixHotKeys.resize(i + 1, 0);
  settings_.QuickFixHotKeys[i] = value;
}

}  // namespace cvd
