#include "core/data/GroupTable.h"

#include <gtest/gtest.h>

#include "support/TempDir.h"

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
  const std::pair<const char*, int> cases[] = {
      {"default", 1},     {"DEFAULT", 1},     {"Default", 1},      {"WORK", 4},  // two groups match: the last one wins
      {"caf\xC3\xA9", 3}, {"CAF\xC3\xA9", 3}, {"caf\xC3\x89", -1},               // an accented capital is not folded
      {"Defaul", -1},     {"", -1},
  };
  for (const auto& [name, expected] : cases) EXPECT_EQ(table.FindGroup(name), expected) << name;
  EXPECT_EQ(GroupTable{}.FindGroup("Default"), -1);
}

TEST(MakeNewGroup, NewGroupsTakeTheDesktopFontOnceItIsKnown) {
  EXPECT_EQ(DefaultGroupTable("/nonexistent/").Groups[1].FontName, kDefaultFontName);
  SetNewGroupFont("Cantarell", 11);
  SetNewGroupFont("", 12);          // no font known: the last one stays
  SetNewGroupFont("Cantarell", 0);  // nor a size
  const TGroup group = DefaultGroupTable("/nonexistent/").Groups[1];
  SetNewGroupFont(kDefaultFontName, 10);
  EXPECT_EQ(group.FontName, "Cantarell");
  EXPECT_EQ(group.FontSize, 11);
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
  ASSERT_EQ(g.Buttons.size(), 7u);
  for (int b = 1; b <= 5; ++b) EXPECT_EQ(g.Buttons[b], EmptyClipButton()) << b;
}

TEST(MakeNewGroup, PlaySoundFollowsTheSoundFile) {
  test::TempDir dir;
  EXPECT_FALSE(NewGroupDefaults("G", dir.Path()).PlaySound);
  dir.Write("copy.wav", "RIFF");
  EXPECT_TRUE(NewGroupDefaults("G", dir.Path()).PlaySound);
}

TEST(ResizeButtons, KeepsSlotZeroAndFillsWithEmptyClips) {
  TGroup g = NewGroupDefaults("G", "/x/");
  g.NumClipButtons = 8;
  g.ResizeButtons();
  ASSERT_EQ(g.Buttons.size(), 10u);
  EXPECT_EQ(g.Buttons[9], EmptyClipButton());
}

}  // namespace
}  // namespace cvd
