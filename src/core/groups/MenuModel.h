#pragma once
// A menu as the core describes it and the view draws it: captions, state
// and the command each entry runs when chosen.
#include <string>
#include <vector>

namespace cvd {

struct MenuEntry {
  std::string caption;  // empty for a separator
  int command = 0;      // 0: the entry only closes the menu
  bool separator = false;
  bool enabled = true;
  bool checked = false;
  bool visible = true;
  std::vector<MenuEntry> children;  // a submenu when not empty

  bool operator==(const MenuEntry&) const = default;
};

using MenuModel = std::vector<MenuEntry>;

inline MenuEntry MenuItem(std::string caption, int command, bool enabled = true) {
  MenuEntry entry;
  entry.caption = std::move(caption);
  entry.command = command;
  entry.enabled = enabled;
  return entry;
}

inline MenuEntry MenuSeparator() {
  MenuEntry entry;
  entry.separator = true;
  return entry;
}

inline MenuEntry Submenu(std::string caption, std::vector<MenuEntry> children) {
  MenuEntry entry;
  entry.caption = std::move(caption);
  entry.children = std::move(children);
  return entry;
}

// The captions of a menu as "a|b|-|c", submenus left out (for checks).
std::string MenuCaptions(const MenuModel& menu);
// The entry running `command`, searched through the submenus; null when none.
const MenuEntry* FindCommand(const MenuModel& menu, int command);

}  // namespace cvd
