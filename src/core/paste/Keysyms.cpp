#include "core/paste/Keysyms.h"

namespace cvd {

std::uint32_t NamedKeysym(NamedKey key) {
  switch (key) {
    case NamedKey::Tab: return 0xFF09;
    case NamedKey::Return: return 0xFF0D;
    case NamedKey::Shift:
    case NamedKey::LeftShift: return 0xFFE1;
    case NamedKey::RightShift: return 0xFFE2;
    case NamedKey::Control:
    case NamedKey::LeftControl: return 0xFFE3;
    case NamedKey::RightControl: return 0xFFE4;
    case NamedKey::CapsLock: return 0xFFE5;
    case NamedKey::Alt:
    case NamedKey::LeftAlt: return 0xFFE9;
    case NamedKey::RightAlt: return 0xFFEA;
    case NamedKey::Super:
    case NamedKey::LeftSuper: return 0xFFEB;
    case NamedKey::RightSuper: return 0xFFEC;
    case NamedKey::Escape: return 0xFF1B;
    case NamedKey::Space: return 0x20;
    case NamedKey::PageUp: return 0xFF55;
    case NamedKey::PageDown: return 0xFF56;
    case NamedKey::End: return 0xFF57;
    case NamedKey::Home: return 0xFF50;
    case NamedKey::Left: return 0xFF51;
    case NamedKey::Up: return 0xFF52;
    case NamedKey::Right: return 0xFF53;
    case NamedKey::Down: return 0xFF54;
    case NamedKey::Insert: return 0xFF63;
  }
  return 0;
}

std::uint32_t KeysymOf(Key key) { return key.IsNamed() ? NamedKeysym(key.Named()) : key.LayoutCode(); }

std::optional<KeyScan> KeysymKeyForCharacter(char32_t c) {
  switch (c) {
    case '\r': return KeyScan{NamedKey::Return, 0};
    case '\n': return KeyScan{NamedKey::Return, ssCtrl};
    case '\t': return KeyScan{NamedKey::Tab, 0};
    case ' ': return KeyScan{NamedKey::Space, 0};
    case '\b': return KeyScan{Key::OfLayout(0xFF08), 0};  // BackSpace
    case 0x1B: return KeyScan{NamedKey::Escape, 0};
    case 0x7F: return KeyScan{Key::OfLayout(0xFFFF), 0};  // Delete
    default: break;
  }
  // Latin-1's printable characters are their own keysyms; every other
  // character is its code point above 0x1000000.
  if ((c > 0x20 && c < 0x7F) || (c >= 0xA0 && c <= 0xFF)) return KeyScan{Key::OfLayout(c), 0};
  if (c < 0xA0 || (c >= 0xD800 && c <= 0xDFFF) || c > 0x10FFFF) return std::nullopt;
  return KeyScan{Key::OfLayout(0x1000000 + c), 0};
}

}  // namespace cvd
