#include "platform/wayland/VirtualKeymap.h"

#include <xkbcommon/xkbcommon.h>

#include "core/paste/UsLayout.h"

namespace cvd::wayland {
namespace {

// XKB key codes of the named keys (evdev codes + 8, as a PC keyboard sends).
std::uint32_t NamedKeycode(NamedKey key) {
  switch (key) {
    case NamedKey::Tab: return 23;
    case NamedKey::Return: return 36;
    case NamedKey::Shift:
    case NamedKey::LeftShift: return 50;
    case NamedKey::RightShift: return 62;
    case NamedKey::Control:
    case NamedKey::LeftControl: return 37;
    case NamedKey::RightControl: return 105;
    case NamedKey::Alt:
    case NamedKey::LeftAlt: return 64;
    case NamedKey::RightAlt: return 108;
    case NamedKey::Super:
    case NamedKey::LeftSuper: return 133;
    case NamedKey::RightSuper: return 134;
    case NamedKey::CapsLock: return 66;
    case NamedKey::Escape: return 9;
    case NamedKey::Space: return 65;
    case NamedKey::PageUp: return 112;
    case NamedKey::PageDown: return 117;
    case NamedKey::End: return 115;
    case NamedKey::Home: return 110;
    case NamedKey::Left: return 113;
    case NamedKey::Up: return 111;
    case NamedKey::Right: return 114;
    case NamedKey::Down: return 116;
    case NamedKey::Insert: return 118;
  }
  return 0;
}

// The US layout's character keys: a row's first key code and its
// characters without and with Shift.
struct Row {
  std::uint32_t first;
  const char* plain;
  const char* shifted;
};
constexpr Row kRows[] = {
    {10, "1234567890-=", "!@#$%^&*()_+"},
    {24, "qwertyuiop[]", "QWERTYUIOP{}"},
    {38, "asdfghjkl;'", "ASDFGHJKL:\""},
    {49, "`", "~"},
    {51, "\\", "|"},
    {52, "zxcvbnm,./", "ZXCVBNM<>?"},
};
// Control characters the layout types: BackSpace, Escape, Delete.
constexpr std::uint32_t kBackSpace = 22, kDelete = 119;
// Key codes no key above uses, for the characters the layout lacks.
constexpr std::uint32_t kFirstSpare = 140, kLastSpare = 255;

std::string KeysymName(char32_t character) {
  char name[64];
  xkb_keysym_get_name(xkb_utf32_to_keysym(character), name, sizeof name);
  return name;
}

}  // namespace

VirtualKeymap::VirtualKeymap() {
  for (int named = 0; named <= static_cast<int>(NamedKey::RightSuper); ++named) {
    const auto key = static_cast<NamedKey>(named);
    keys_[NamedKeycode(key)] = UsKeyName(key);
  }
  for (const Row& row : kRows)
    for (std::uint32_t i = 0; row.plain[i]; ++i)
      keys_[row.first + i] = KeysymName(static_cast<unsigned char>(row.plain[i])) + ", " +
                             KeysymName(static_cast<unsigned char>(row.shifted[i]));
  keys_[kBackSpace] = "BackSpace";
  keys_[kDelete] = "Delete";
  for (std::uint32_t code = kLastSpare; code >= kFirstSpare; --code)
    if (!keys_.count(code)) freeSpares_.push_back(code);
  Build();
}

std::uint32_t VirtualKeymap::KeycodeOf(Key key) {
  if (key.IsNamed()) return NamedKeycode(key.Named());
  const std::uint32_t code = key.LayoutCode();
  if (code == 0x08) return kBackSpace;
  if (code == 0x7F) return kDelete;
  if (code == 0x1B) return NamedKeycode(NamedKey::Escape);
  if (code < kSpareKeyBase) {
    for (const Row& row : kRows)
      for (std::uint32_t i = 0; row.plain[i]; ++i)
        if (static_cast<unsigned char>(row.plain[i]) == code) return row.first + i;
    return 0;
  }
  const std::uint32_t character = code - kSpareKeyBase;
  if (auto found = spares_.find(character); found != spares_.end()) return found->second;
  if (freeSpares_.empty()) {
    // Every spare is taken: the keys typed so far are done with, so the
    // spares start over.
    for (const auto& [used, keycode] : spares_) {
      keys_.erase(keycode);
      freeSpares_.push_back(keycode);
    }
    spares_.clear();
  }
  const std::uint32_t keycode = freeSpares_.back();
  freeSpares_.pop_back();
  spares_[character] = keycode;
  keys_[keycode] = UsKeyName(key);
  Build();
  return keycode;
}

void VirtualKeymap::Build() {
  std::string codes, symbols;
  for (const auto& [code, names] : keys_) {
    codes += "  <K" + std::to_string(code) + "> = " + std::to_string(code) + ";\n";
    symbols += "  key <K" + std::to_string(code) + "> { [ " + names + " ] };\n";
  }
  auto keyName = [](NamedKey key) { return "<K" + std::to_string(NamedKeycode(key)) + ">"; };
  text_ = "xkb_keymap {\nxkb_keycodes \"corvinade\" {\n  minimum = 8;\n  maximum = 255;\n" + codes +
          "};\nxkb_types \"corvinade\" { include \"complete\" };\n"
          "xkb_compatibility \"corvinade\" { include \"complete\" };\n"
          "xkb_symbols \"corvinade\" {\n" +
          symbols + "  modifier_map Shift { " + keyName(NamedKey::LeftShift) + ", " + keyName(NamedKey::RightShift) +
          " };\n  modifier_map Lock { " + keyName(NamedKey::CapsLock) + " };\n  modifier_map Control { " +
          keyName(NamedKey::LeftControl) + ", " + keyName(NamedKey::RightControl) + " };\n  modifier_map Mod1 { " +
          keyName(NamedKey::LeftAlt) + ", " + keyName(NamedKey::RightAlt) + " };\n  modifier_map Mod4 { " +
          keyName(NamedKey::LeftSuper) + ", " + keyName(NamedKey::RightSuper) + " };\n};\n};\n";
  ++version_;
}

}  // namespace cvd::wayland
