#include "core/shortcuts/ShortcutTrigger.h"

#include "core/shortcuts/ShortcutTable.h"
#include "core/util/Text.h"

namespace cvd {

std::string TriggerText(const Shortcut& shortcut) {
  std::string key;
  if (shortcut.character >= 'A' && shortcut.character <= 'Z') {
    key = std::string(1, static_cast<char>(shortcut.character - 'A' + 'a'));
  } else if (shortcut.character >= '0' && shortcut.character <= '9') {
    key = std::string(1, shortcut.character);
  } else if (shortcut.character == 0 && shortcut.functionKey >= 1 && shortcut.functionKey <= 12) {
    key = "F" + std::to_string(shortcut.functionKey);
  } else {
    return {};
  }
  std::string text;
  if (shortcut.ctrl) text += "CTRL+";
  if (shortcut.alt) text += "ALT+";
  if (shortcut.shift) text += "SHIFT+";
  if (shortcut.super) text += "LOGO+";
  return text + key;
}

std::optional<Shortcut> ShortcutOfTrigger(std::string_view trigger) {
  Shortcut shortcut;
  while (true) {
    const std::size_t plus = trigger.find('+');
    const std::string part = UpperAscii(trigger.substr(0, plus));
    if (plus == std::string_view::npos) {
      if (part.size() == 1 && ((part[0] >= 'A' && part[0] <= 'Z') || (part[0] >= '0' && part[0] <= '9'))) {
        shortcut.character = part[0];
        return shortcut;
      }
      if (part.size() >= 2 && part.size() <= 3 && part[0] == 'F' &&
          part.find_first_not_of("0123456789", 1) == std::string::npos) {
        const int number = std::stoi(part.substr(1));
        if (number < 1 || number > 12 || part[1] == '0') return std::nullopt;
        shortcut.functionKey = number;
        return shortcut;
      }
      return std::nullopt;
    }
    bool* flag = part == "CTRL"    ? &shortcut.ctrl
                 : part == "ALT"   ? &shortcut.alt
                 : part == "SHIFT" ? &shortcut.shift
                 : part == "LOGO"  ? &shortcut.super
                                   : nullptr;
    if (!flag || *flag) return std::nullopt;
    *flag = true;
    trigger.remove_prefix(plus + 1);
  }
}

std::string ShortcutDescription(int id) {
  for (int row = 0; row < kNumFixedHotKeys; ++row) {
    if (kFixedHotKeyIds[row] == id) return kFixedHotKeys[row].label;
  }
  return "Quick fix " + std::to_string(id - kQuickFixHotKeyBase + 1);
}

}  // namespace cvd
