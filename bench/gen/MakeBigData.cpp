// Writes a large data file for the start-up and memory measurements:
// GROUPS groups of BUTTONS buttons whose texts are 100 bytes each. Prints
// the bytes the buttons hold (names and texts).
// Usage: corvinade_bigdata DATA_DIR [GROUPS] [BUTTONS]
#include <cstdlib>
#include <iostream>
#include <string>

#include "core/data/DataFile.h"

int main(int argc, char** argv) {
  if (argc < 2) {
    std::cerr << "usage: corvinade_bigdata DATA_DIR [GROUPS] [BUTTONS]\n";
    return 2;
  }
  std::string dir = argv[1];
  if (dir.back() != '/') dir += '/';
  const int groups = argc > 2 ? std::atoi(argv[2]) : 100;
  const int buttons = argc > 3 ? std::atoi(argv[3]) : 1000;
  if (groups < 1 || buttons < 1) return 2;
  cvd::GroupTable table;
  table.Groups.resize(1);
  std::size_t held = 0;
  for (int g = 1; g <= groups; ++g) {
    const std::string name = "Group " + std::to_string(g);
    cvd::TGroup group = cvd::NewGroupDefaults(name, "");
    group.NumClipButtons = buttons / 10;
    group.NumPermButtons = buttons - group.NumClipButtons;
    group.ResizeButtons();
    for (int b = 1; b <= buttons; ++b) {
      std::string text = "Text " + std::to_string(b) + " of group " + std::to_string(g) + " ";
      text.resize(100, 'x');
      const std::string caption = "Button " + std::to_string(b) + " of " + std::to_string(g);
      group.Buttons.SetStrings(b, caption, "", text);
      held += caption.size() + text.size();
    }
    table.Groups.push_back(std::move(group));
    table.GroupList.push_back(name);
  }
  std::string error;
  if (!cvd::SaveData(table, dir, &error)) {
    std::cerr << error << "\n";
    return 1;
  }
  std::cout << held << "\n";
  return 0;
}
