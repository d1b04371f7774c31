#include "core/shortcuts/KeyValue.h"

namespace cvd {

namespace {

constexpr int kF1 = 112;
constexpr int kF12 = 123;

bool IsKeyOfPage(int code) {
  return (code >= 'A' && code <= 'Z') || (code >= '0' && code <= '9') || (code >= kF1 && code <= kF12);
}

}  // namespace

std::string KeyCodeToName(int code) {
  if ((code >= 'A' && code <= 'Z') || (code >= '0' && code <= '9')) return std::string(1, static_cast<char>(code));
  if (code >= kF1 && code <= kF12) return "F" + std::to_string(code - kF1 + 1);
  return {};
}

std::vector<std::string> SetupKeyNames() {
  std::vector<std::string> names{"None"};
  for (int code = 'A'; code <= 'Z'; ++code) names.push_back(KeyCodeToName(code));
  for (int code = '0'; code <= '9'; ++code) names.push_back(KeyCodeToName(code));
  for (int code = kF1; code <= kF12; ++code) names.push_back(KeyCodeToName(code));
  return names;
}

int KeyNameToCode(const std::string& name) {
  if (name.size() == 1) return IsKeyOfPage(static_cast<unsigned char>(name[0])) ? name[0] : 0;
  if (name.size() < 2 || name.size() > 3 || name[0] != 'F') return 0;
  int number = 0;
  for (std::size_t i = 1; i < name.size(); ++i) {
    if (name[i] < '0' || name[i] > '9') return 0;
    number = number * 10 + (name[i] - '0');
  }
  return number >= 1 && number <= 12 ? kF1 - 1 + number : 0;
}

std::string PrintKeyCombo(int value) {
  if (value == 0) return "None";
  const int modifiers = KeyValueModifiers(value);
  std::string text = KeyCodeToName(KeyValueCode(value));
  if (modifiers & hkSuper) text = "<SUPER>" + text;
  if (modifiers & hkShift) text = "<SHIFT>" + text;
  if (modifiers & hkCtrl) text = "<CTRL>" + text;
  if (modifiers & hkAlt) text = "<ALT>" + text;
  return text;
}

bool IsRegistrableKey(int value) {
  return value > 0 && KeyValueModifiers(value) <= 15 && IsKeyOfPage(KeyValueCode(value));
}

int CheckedKeyValue(int value) { return IsRegistrableKey(value) ? value : 0; }

std::optional<Shortcut> ShortcutOfKeyValue(int value) {
  if (!IsRegistrableKey(value)) return std::nullopt;
  const int modifiers = KeyValueModifiers(value);
  const int code = KeyValueCode(value);
  Shortcut shortcut{.alt = (modifiers & hkAlt) != 0,
                    .ctrl = (modifiers & hkCtrl) != 0,
                    .shift = (modifiers & hkShift) != 0,
                    .super = (modifiers & hkSuper) != 0};
  if (code >= kF1) {
    shortcut.functionKey = code - kF1 + 1;
  } else {
    shortcut.character = static_cast<char>(code);
  }
  return shortcut;
}

bool RegisterKeyValue(Hotkeys& hotkeys, int id, int value) {
  const std::optional<Shortcut> shortcut = ShortcutOfKeyValue(value);
  return shortcut && hotkeys.Register(id, *shortcut);
}

}  // namespace cvd
