#pragma once
// X keysyms of keys, for keyboards that take key events by symbol rather
// than by key code (the desktop portal's remote desktop). Such a keyboard's
// layout keys carry the keysym itself as their code: the desktop finds the
// key and the Shift or AltGr level on the user's own layout.
#include <cstdint>
#include <optional>

#include "core/ports/Keyboard.h"

namespace cvd {

// The keysym of a named key.
std::uint32_t NamedKeysym(NamedKey key);

// The keysym of a key KeysymKeyForCharacter gave, or of a named key.
std::uint32_t KeysymOf(Key key);

// The key that types `character` by its own keysym, with no modifiers but
// the Ctrl of Ctrl+Enter (LF); nothing for control characters no key types.
// CR is Enter, as keyboard layouts have always typed it.
std::optional<KeyScan> KeysymKeyForCharacter(char32_t character);

}  // namespace cvd
