#pragma once
// Shortcut key values: modifiers x 256 + key code, 0 for no key. The key
// codes are those of the setup page: A-Z (65-90), 0-9 (48-57) and F1-F12
// (112-123); the modifiers are the HotkeyModifier bits.
#include <string>
#include <vector>

namespace cvd {

inline int KeyValueModifiers(int value) { return value / 256; }
inline int KeyValueCode(int value) { return value % 256; }

// "A", "7", "F5"; empty for any other code.
std::string KeyCodeToName(int code);
// The code of a key name ("A", "7", "F12"); 0 when it names no key.
int KeyNameToCode(const std::string& name);
// The setup page's key list: "None", A-Z, 0-9, F1-F12, in that order.
std::vector<std::string> SetupKeyNames();
// "None" for 0, else the modifiers in the order ALT, CTRL, SHIFT, WIN and
// the key name: "<ALT><CTRL>E", "<SHIFT><SUPER>F12".
std::string PrintKeyCombo(int value);

// A value that can be registered: modifiers 0..15 with a key of the setup
// page. 0 (no key) is not one.
bool IsRegistrableKey(int value);
// A stored value as it may be used: itself when registrable or 0, else 0.
int CheckedKeyValue(int value);

}  // namespace cvd
