#pragma once
// Shortcut key values as the settings file stores them: modifiers x 256 +
// key code, 0 for no key. The key codes are those of the setup page: A-Z
// (65-90), 0-9 (48-57) and F1-F12 (112-123); the modifiers are the
// HotkeyModifier bits. The rest of the program speaks in Shortcut.
#include <optional>
#include <string>
#include <vector>

#include "core/ports/Hotkeys.h"

namespace cvd {

// Modifier bits of a stored key value.
enum HotkeyModifier : int { hkAlt = 1, hkCtrl = 2, hkShift = 4, hkSuper = 8 };

inline int KeyValueModifiers(int value) { return value / 256; }
inline int KeyValueCode(int value) { return value % 256; }

// "A", "7", "F5"; empty for any other code.
std::string KeyCodeToName(int code);
// The code of a key name ("A", "7", "F12"); 0 when it names no key.
int KeyNameToCode(const std::string& name);
// The setup page's key list: "None", A-Z, 0-9, F1-F12, in that order.
std::vector<std::string> SetupKeyNames();
// "None" for 0, else the modifiers in the order ALT, CTRL, SHIFT, SUPER and
// the key name: "<ALT><CTRL>E", "<SHIFT><SUPER>F12".
std::string PrintKeyCombo(int value);

// A value that can be registered: modifiers 0..15 with a key of the setup
// page. 0 (no key) is not one.
bool IsRegistrableKey(int value);
// A stored value as it may be used: itself when registrable or 0, else 0.
int CheckedKeyValue(int value);

// The shortcut a registrable value stands for; nothing for any other value.
std::optional<Shortcut> ShortcutOfKeyValue(int value);
// Takes the key a stored value stands for; false when the value names no
// registrable key or another program holds it.
bool RegisterKeyValue(Hotkeys& hotkeys, int id, int value);

}  // namespace cvd
