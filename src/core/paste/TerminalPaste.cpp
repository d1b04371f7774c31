#include "core/paste/TerminalPaste.h"

#include <algorithm>

#include "core/util/Text.h"

namespace cvd {

std::vector<std::string> TerminalPaste::DefaultTerminalClasses() {
  return {"XTerm",
          "UXTerm",
          "Gnome-terminal",
          "org.gnome.Console",
          "Kgx",
          "konsole",
          "Xfce4-terminal",
          "Alacritty",
          "kitty",
          "Tilix",
          "Terminator",
          "URxvt",
          "Rxvt",
          "st-256color",
          "St",
          "Lxterminal",
          "Mate-terminal",
          "QTerminal",
          "Sakura",
          "Terminology",
          "Guake",
          "Tilda",
          "Eterm",
          "foot",
          "footclient",
          "org.wezfurlong.wezterm",
          "com.mitchellh.ghostty",
          "org.gnome.Terminal",
          "org.kde.konsole",
          "org.gnome.Ptyxis",
          "Roxterm",
          "Cool-retro-term"};
}

bool IsTerminalClass(const TerminalPaste& terminals, std::string_view className) {
  if (className.empty()) return false;
  return std::any_of(terminals.Classes.begin(), terminals.Classes.end(),
                     [&](const std::string& c) { return SameTextAscii(c, className); });
}

}  // namespace cvd
