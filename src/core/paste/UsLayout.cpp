#include "core/paste/UsLayout.h"

#include <cstdio>
#include <cstring>

namespace cvd {

namespace {

// Characters typed with Shift, and the unshifted character of the same key.
constexpr const char* kShifted = "~!@#$%^&*()_+{}|:\"<>?";
constexpr const char* kUnshifted = "`1234567890-=[]\\;',./";

KeyScan CharacterKey(char base, int shiftState = 0) {
  return KeyScan{Key::OfLayout(static_cast<unsigned char>(base)), shiftState};
}

const char* NameOf(NamedKey key) {
  switch (key) {
    case NamedKey::Tab: return "Tab";
    case NamedKey::Return: return "Return";
    case NamedKey::Shift: return "Shift_L";
    case NamedKey::Control: return "Control_L";
    case NamedKey::Alt: return "Alt_L";
    case NamedKey::Super: return "Super_L";
    case NamedKey::CapsLock: return "Caps_Lock";
    case NamedKey::Escape: return "Escape";
    case NamedKey::Space: return "space";
    case NamedKey::PageUp: return "Prior";
    case NamedKey::PageDown: return "Next";
    case NamedKey::End: return "End";
    case NamedKey::Home: return "Home";
    case NamedKey::Left: return "Left";
    case NamedKey::Up: return "Up";
    case NamedKey::Right: return "Right";
    case NamedKey::Down: return "Down";
    case NamedKey::Insert: return "Insert";
    case NamedKey::LeftShift: return "Shift_L";
    case NamedKey::RightShift: return "Shift_R";
    case NamedKey::LeftControl: return "Control_L";
    case NamedKey::RightControl: return "Control_R";
    case NamedKey::LeftAlt: return "Alt_L";
    case NamedKey::RightAlt: return "Alt_R";
    case NamedKey::LeftSuper: return "Super_L";
    case NamedKey::RightSuper: return "Super_R";
  }
  return "?";
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
  if (c >= 'a' && c <= 'z') return CharacterKey(static_cast<char>(c));
  if (c >= 'A' && c <= 'Z') return CharacterKey(static_cast<char>(c - 'A' + 'a'), ssShift);
  if (c >= '0' && c <= '9') return CharacterKey(static_cast<char>(c));
  switch (c) {
    case ' ': return KeyScan{NamedKey::Space, 0};
    case '\t': return KeyScan{NamedKey::Tab, 0};
    case '\r': return KeyScan{NamedKey::Return, 0};
    case '\n': return KeyScan{NamedKey::Return, ssCtrl};
    case '\b':
    case 0x1B:
    case 0x7F: return CharacterKey(static_cast<char>(c));  // BackSpace, Escape, Delete
    default: break;
  }
  if (c < 0x80) {
    if (c < 0x20) return std::nullopt;
    if (const char* p = std::strchr(kShifted, static_cast<int>(c))) {
      return CharacterKey(kUnshifted[p - kShifted], ssShift);
    }
    return CharacterKey(static_cast<char>(c));  // the rest of printable ASCII is unshifted punctuation
  }
  // C1 controls, surrogates and values beyond Unicode have no key.
  if (c < 0xA0 || (c >= 0xD800 && c <= 0xDFFF) || c > 0x10FFFF) return std::nullopt;
  return KeyScan{Key::OfLayout(kSpareKeyBase + c), 0};
}

std::string UsKeyName(Key key) {
  if (key.IsNamed()) return NameOf(key.Named());
  const std::uint32_t code = key.LayoutCode();
  char buffer[16];
  if (code >= kSpareKeyBase) {
    std::snprintf(buffer, sizeof buffer, "U%04X", static_cast<unsigned>(code - kSpareKeyBase));
    return buffer;
  }
  switch (code) {
    case 0x08: return "BackSpace";
    case 0x1B: return "Escape";
    case 0x7F: return "Delete";
    default: break;
  }
  if (code > 0x20 && code < 0x80) {
    const char c = static_cast<char>(code);
    if (const char* name = PunctuationName(c)) return name;
    return std::string(1, c);
  }
  std::snprintf(buffer, sizeof buffer, "key%u", static_cast<unsigned>(code));
  return buffer;
}

}  // namespace cvd
