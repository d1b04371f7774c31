#pragma once
// Terminals do not paste on Ctrl+V. When no paste method matches the
// target's title, a window whose class is in this list gets this key macro
// instead of the group's paste keystroke.
#include <string>
#include <string_view>
#include <vector>

namespace cvd {

struct TerminalPaste {
  // Shift+Insert pastes in every common terminal: some read CLIPBOARD, some
  // PRIMARY, and the paste owns both with the text.
  std::string KeyMacro = "{Shift {Insert}}";
  std::vector<std::string> Classes = DefaultTerminalClasses();
  bool operator==(const TerminalPaste&) const = default;

  // WM_CLASS class names of the terminals shipped with the common desktops,
  // and the app_ids they report on Wayland (matched the same way).
  static std::vector<std::string> DefaultTerminalClasses();
};

// The list holds at most this many classes.
inline constexpr int kMaxTerminalClasses = 200;

// Whether `className` is one of the list's classes, ignoring ASCII case.
bool IsTerminalClass(const TerminalPaste& terminals, std::string_view className);

}  // namespace cvd
