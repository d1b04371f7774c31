#include "core/data/GroupTable.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

namespace cvd {
namespace {

GroupTable TableOf(std::initializer_list<const char*> names) {
  GroupTable table;
  table.Groups.resize(names.size() + 1);
  int i = 1;
  for (const char* name : names) table.MakeNewGroup(i++, name, "/nonexistent/");
  return table;
}

TEST(FindGroup, FoldsOnlyAsciiLettersAndLastMatchWins) {
  GroupTable table = TableOf({"Default", "Work", "caf\xC3\xA9", "work"});
  struct Case {
    const char* name;
    int expected;
  } cases[] = {
      {"default", 1}, {"DEFAULT", 1}, {"Default", 1},
      {"WORK", 4},  // two groups match: the last one wins
      {"caf\xC3\xA9", 3}, {"CAF\xC3\xA9", 3},
      {"caf\xC3\x89", -1},  // an accented capital is not folded
      {"Defaul", -1}, {"", -1},
  };
  for (const auto& c : cases) EXPECT_EQ(table.FindGroup(c.name), c.expected) << c.name;
  EXPECT_EQ(GroupTable{}.FindGroup("Default"), -1);
}

TEST(MakeNewGroup, FillsDefaultsAndAppendsToTheList) {
  GroupTable table;
  table.Groups.resize(3);
  EXPECT_EQ(table.MakeNewGroup(2, "Second", "/nonexistent/"), 0);
  EXPECT_EQ(table.MakeNewGroup(1, "First", "/nonexistent/"), 1);
  // List order is creation order, independent of the table slots.
  EXPECT_EQ(table.GroupList, (std::vector<std::string>{"Second", "First"}));

  const TGroup& g = table.Groups[2];
  EXPECT_EQ(g.Name, "Second");
  EXPECT_EQ(g.SoundFile, "/nonexistent/copy.wav");
  EXPECT_FALSE(g.PlaySound);

  ASSERT_EQ(g.Buttons.size(), 7u);
  for (int b = 1; b <= 5; ++b) EXPECT_EQ(g.Buttons[b], EmptyClipButton()) << b;
  EXPECT_EQ(g.Buttons[1].Name, "Empty");
  EXPECT_EQ(g.Buttons[6].Name, "Permanent");
  EXPECT_EQ(g.Buttons[6].Text, "This is an example of a permanent button");
  EXPECT_EQ(g.Buttons[6].FontColor, clRed);
}

TEST(MakeNewGroup, PlaySoundFollowsTheSoundFile) {
  const auto dir = std::filesystem::temp_directory_path() / "cvd-sound-test";
  std::filesystem::create_directories(dir);
  const std::string programDir = dir.string() + "/";
  std::filesystem::remove(dir / "copy.wav");
  EXPECT_FALSE(NewGroupDefaults("G", programDir).PlaySound);
  std::ofstream(dir / "copy.wav") << "RIFF";
  EXPECT_TRUE(NewGroupDefaults("G", programDir).PlaySound);
  std::filesystem::remove_all(dir);
}

TEST(ResizeButtons, KeepsSlotZeroAndFillsWithEmptyClips) {
  TGroup g = NewGroupDefaults("G", "/x/");
  g.NumClipButtons = 8;
  g.ResizeButtons();
  ASSERT_EQ(g.Buttons.size(), 10u);
  EXPECT_EQ(g.Buttons[9], EmptyClipButton());
  g.NumClipButtons = 0;
  g.NumPermButtons = 0;
  g.ResizeButtons();
  EXPECT_EQ(g.Buttons.size(), 1u);
}

}  // namespace
}  // namespace cvd
