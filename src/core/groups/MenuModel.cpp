#include "core/groups/MenuModel.h"

namespace cvd {

std::string MenuCaptions(const MenuModel& menu) {
  std::string out;
  for (const MenuEntry& entry : menu) {
    if (!entry.visible) continue;
    if (!out.empty()) out += '|';
    out += entry.separator ? "-" : entry.caption;
  }
  return out;
}

const MenuEntry* FindCommand(const MenuModel& menu, int command) {
  for (const MenuEntry& entry : menu) {
    if (!entry.separator && entry.children.empty() && entry.command == command) return &entry;
    if (const MenuEntry* inner = FindCommand(entry.children, command)) return inner;
  }
  return nullptr;
}

}  // namespace cvd
