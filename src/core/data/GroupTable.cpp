#include "core/data/GroupTable.h"

#include <algorithm>
#include <filesystem>
#include <system_error>

#include "core/util/ProgramFiles.h"
#include "core/util/Text.h"

namespace cvd {

TButton EmptyClipButton() {
  TButton button;
  button.Name = kEmptyCaption;
  return button;
}

void TGroup::ResizeButtons() {
  const int length = NumClipButtons + NumPermButtons + 1;
  Buttons.resize(length > 1 ? static_cast<std::size_t>(length) : 1u, EmptyClipButton());
}

namespace {
struct FontChoice {
  std::string name = kDefaultFontName;
  int size = 10;
};
FontChoice& NewGroupFont() {
  static FontChoice font;
  return font;
}
}  // namespace

void SetNewGroupFont(const std::string& name, int size) {
  if (name.empty() || size <= 0) return;
  NewGroupFont() = FontChoice{name, size};
}

TGroup NewGroupDefaults(const std::string& name, const std::string& programDir) {
  TGroup group;
  group.Name = name;
  group.FontName = NewGroupFont().name;
  group.FontSize = NewGroupFont().size;
  group.SoundFile = FindProgramFile(programDir, "copy.wav");
  std::error_code error;
  group.PlaySound = std::filesystem::is_regular_file(group.SoundFile, error);
  group.Buttons.assign(7, EmptyClipButton());
  group.Buttons.Set(0, TButton{});
  TButton example;
  example.Name = "Permanent";
  example.Text = "This is an example of a permanent button";
  example.FontColor = clRed;
  example.Color = clBtnFace;
  group.Buttons.Set(6, example);
  return group;
}

void MoveButton(TGroup& group, int from, int to) {
  const int last = static_cast<int>(group.Buttons.size()) - 1;
  if (from < 1 || to < 1 || from > last || to > last || from == to) return;
  if (from < to) {
    group.Buttons.Rotate(from, from + 1, to + 1);
  } else {
    group.Buttons.Rotate(to, from, from + 1);
  }
}

int GroupTable::MakeNewGroup(int index, const std::string& name, const std::string& programDir) {
  Groups.at(index) = NewGroupDefaults(name, programDir);
  GroupList.push_back(name);
  return static_cast<int>(GroupList.size()) - 1;
}

int GroupTable::AddGroup(const std::string& name, const std::string& programDir) {
  Groups.emplace_back();
  const int index = GroupCount();
  MakeNewGroup(index, name, programDir);
  return index;
}

GroupTable DefaultGroupTable(const std::string& programDir) {
  GroupTable table;
  table.Groups.resize(2);
  table.MakeNewGroup(1, "Default", programDir);
  table.CurrentGroup = 1;
  table.CurrentButton = 1;
  return table;
}

int GroupTable::FindGroup(const std::string& name) const {
  const std::string wanted = UpperAscii(name);
  int found = -1;
  for (int i = 1; i < static_cast<int>(Groups.size()); ++i) {
    if (UpperAscii(Groups[i].Name) == wanted) found = i;
  }
  return found;
}

int GroupTable::CurrentListPosition() const {
  if (CurrentGroup < 1 || CurrentGroup >= static_cast<int>(Groups.size())) return -1;
  const std::string wanted = UpperAscii(Groups[CurrentGroup].Name);
  for (int i = 0; i < static_cast<int>(GroupList.size()); ++i) {
    if (UpperAscii(GroupList[i]) == wanted) return i;
  }
  return -1;
}

}  // namespace cvd
