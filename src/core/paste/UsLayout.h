#pragma once
// A fixed US keyboard layout, for dry runs of key macros and for tests: the
// key that types a character and the X keysym name of a key.
#include <cstdint>
#include <optional>
#include <string>

#include "core/ports/Keyboard.h"

namespace cvd {

// Layout codes of the keys. A character key's code is the ASCII character
// its key types without Shift. A character the layout lacks gets a spare
// key of its own (kSpareKeyBase + code point), as a real keyboard remaps a
// spare key code to type it.
inline constexpr std::uint32_t kSpareKeyBase = 0x1000000;

// The key and modifiers that type `character`, or nothing for characters
// no key types (control characters other than the few below).
// CR is Enter, LF is Ctrl+Enter, as keyboard layouts have always typed them.
std::optional<KeyScan> UsLayoutKey(char32_t character);

// The X keysym name of a named key or a key of this layout ("Return",
// "Shift_L", "a", "semicolon", "U20AC"...).
std::string UsKeyName(Key key);

}  // namespace cvd
