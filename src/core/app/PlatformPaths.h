#pragma once
// Which window system serves each of the program's ports, as the entry
// point chose them, and what the user has to know about that choice.
#include <string>
#include <vector>

namespace cvd {

struct PlatformPaths {
  // "x11", or "wayland:" and the compositor's protocol that serves it.
  std::string capture = "x11";
  std::string paste = "x11";
  std::string keys = "x11";
  std::string windows = "x11";
  // The shortcut keys: "x11", or "portal:" and the desktop portal's interface.
  std::string shortcuts = "x11";
  // Told once at start, each as a notice.
  std::vector<std::string> notices;
};

}  // namespace cvd
