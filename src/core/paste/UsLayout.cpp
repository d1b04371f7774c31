#include "core/paste/UsLayout.h"

#include <cstdio>
#include <cstring>

namespace cvd {

namespace {

// Characters typed with Shift, and the unshifted character of the same key.
constexpr const char* kShifted = "~!@#$%^&*()_+{}|:\"<>?";
constexpr const char* kUnshifted = "`1234567890-=[]\\;',./";

constexpr int kBackSpace = kUsKeyBase + 0x08;
constexpr int kEscape = kUsKeyBase + 0x1B;
constexpr int kDelete = kUsKeyBase + 0x7F;

KeyScan Key(char base, int shiftState = 0) {
  return KeyScan{kUsKeyBase + static_cast<unsigned char>(base), shiftState};
}

const char* PunctuationName(char c) {
  switch (c) {
    case '`': return "grave";
    case '-': return "minus";
    case '=': return "equal";
    case '[': return "bracketleft";
    case ']': return "bracketright";
    case '\\': return "backslash";
    case ';': return "semicolon";
    case '\'': return "apostrophe";
    case ',': return "comma";
    case '.': return "period";
    case '/': return "slash";
    default: return nullptr;
  }
}

}  // namespace

std::optional<KeyScan> UsLayoutKey(char32_t c) {
  if (c >= 'a' && c <= 'z') return Key(static_cast<char>(c));
  if (c >= 'A' && c <= 'Z') return Key(static_cast<char>(c - 'A' + 'a'), ssShift);
  if (c >= '0' && c <= '9') return Key(static_cast<char>(c));
  switch (c) {
    case ' ': return KeyScan{vk::Space, 0};
    case '\t': return KeyScan{vk::Tab, 0};
    case '\r': return KeyScan{vk::Return, 0};
    case '\n': return KeyScan{vk::Return, ssCtrl};
    case '\b': return KeyScan{kBackSpace, 0};
    case 0x1B: return KeyScan{kEscape, 0};
    case 0x7F: return KeyScan{kDelete, 0};
    default: break;
  }
  if (c < 0x80) {
    if (c < 0x20) return std::nullopt;
    if (const char* p = std::strchr(kShifted, static_cast<int>(c))) return Key(kUnshifted[p - kShifted], ssShift);
    return Key(static_cast<char>(c));  // the rest of printable ASCII is unshifted punctuation
  }
  // C1 controls, surrogates and values beyond Unicode have no key.
  if (c < 0xA0 || (c >= 0xD800 && c <= 0xDFFF) || c > 0x10FFFF) return std::nullopt;
  return KeyScan{kSpareKeyBase + static_cast<int>(c), 0};
}

std::string UsKeyName(int key) {
  switch (key) {
    case vk::Tab: return "Tab";
    case vk::Return: return "Return";
    case vk::Shift: return "Shift_L";
    case vk::Control: return "Control_L";
    case vk::Menu: return "Alt_L";
    case vk::Capital: return "Caps_Lock";
    case vk::Space: return "space";
    case vk::Prior: return "Prior";
    case vk::Next: return "Next";
    case vk::End: return "End";
    case vk::Home: return "Home";
    case vk::Left: return "Left";
    case vk::Up: return "Up";
    case vk::Right: return "Right";
    case vk::Down: return "Down";
    case vk::Insert: return "Insert";
    case vk::LWin: return "Super_L";
    case vk::RWin: return "Super_R";
    case vk::LShift: return "Shift_L";
    case vk::RShift: return "Shift_R";
    case vk::LControl: return "Control_L";
    case vk::RControl: return "Control_R";
    case vk::LMenu: return "Alt_L";
    case vk::RMenu: return "Alt_R";
    case kBackSpace: return "BackSpace";
    case kEscape: return "Escape";
    case kDelete: return "Delete";
    default: break;
  }
  char buffer[16];
  if (key >= kSpareKeyBase) {
    std::snprintf(buffer, sizeof buffer, "U%04X", static_cast<unsigned>(key - kSpareKeyBase));
    return buffer;
  }
  if (key > kUsKeyBase && key < kUsKeyBase + 0x80) {
    const char c = static_cast<char>(key - kUsKeyBase);
    if (const char* name = PunctuationName(c)) return name;
    return std::string(1, c);
  }
  std::snprintf(buffer, sizeof buffer, "vk%d", key);
  return buffer;
}

}  // namespace cvd
