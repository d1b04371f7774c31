#pragma once
// [Terminals] of "corvinade.ini": the window classes that get the terminal
// paste keystroke, and that keystroke. A user adds a terminal by adding a
// ClassN key and raising NumTerminal.
#include "core/paste/TerminalPaste.h"
#include "core/settings/IniFile.h"

namespace cvd {

inline constexpr const char* kTerminalsSection = "Terminals";

// A file without the section keeps the defaults; NumTerminal=0 turns the
// terminal paste off.
void ReadTerminalSettings(const IniFile& ini, TerminalPaste& terminals);

// Writes the keys of the section without erasing it, so keys this program
// does not know stay as they are.
void WriteTerminalSettings(IniTarget& ini, const TerminalPaste& terminals);

}  // namespace cvd
