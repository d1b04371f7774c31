#pragma once
// Shortcuts in the desktop portal's trigger form ("CTRL+ALT+v", "LOGO+F3"):
// the key the program asks the desktop for, and one it may read back. Also
// what the desktop is told each shortcut function does.
#include <optional>
#include <string>
#include <string_view>

#include "core/ports/Hotkeys.h"

namespace cvd {

// Modifiers first (CTRL, ALT, SHIFT, LOGO), then the key by its keysym name:
// a lower-case letter, a digit or F1..F12. Empty for a shortcut with no key.
std::string TriggerText(const Shortcut& shortcut);

// The shortcut of a trigger; modifiers and letters in any case. Nothing for
// a key the program's shortcuts cannot hold.
std::optional<Shortcut> ShortcutOfTrigger(std::string_view trigger);

// The description of a shortcut function by its hot-key id: a fixed row's
// label, else "Quick fix N".
std::string ShortcutDescription(int id);

}  // namespace cvd
