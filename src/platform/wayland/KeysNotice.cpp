#include "platform/wayland/KeysNotice.h"

#include <algorithm>
#include <cctype>
#include <sstream>

namespace cvd::wayland {

std::string KeysNotice(const std::string& currentDesktop) {
  std::string command = "\"corvinade-tool keys sway\" (or hyprland, labwc, river)";
  std::istringstream desktops(currentDesktop);
  for (std::string desktop; std::getline(desktops, desktop, ':');) {
    std::transform(desktop.begin(), desktop.end(), desktop.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    if (desktop == "sway" || desktop == "hyprland" || desktop == "labwc" || desktop == "river") {
      command = "\"corvinade-tool keys " + desktop + "\"";
      break;
    }
  }
  return "On Wayland your compositor owns the keyboard: Corvinade's shortcut keys work only while an X11 window "
         "has the focus. Bind them in your compositor: " +
         command + " prints the bindings.";
}

}  // namespace cvd::wayland
