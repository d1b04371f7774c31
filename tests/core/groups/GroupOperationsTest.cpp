#include "core/groups/GroupOperations.h"

#include <gtest/gtest.h>

#include "core/groups/WindowMenus.h"
#include "support/Harness.h"

namespace cvd::test {
namespace {

// Groups A, B, C (in table and list order), A current; clip 1 of each
// group holds its name, the others are empty.
struct GroupsFixture : ::testing::Test {
  void SetUp() override {
    h.Start();
    h.MakeGroupsABC();
    GroupTable& t = h.state.table;
    for (int g = 1; g <= 3; ++g) {
      t.Groups[g].Buttons.SetText(1, t.Groups[g].Name);
      t.Groups[g].Buttons.SetName(1, t.Groups[g].Name);
    }
    t.CurrentGroup = 1;
  }
  GroupOperations& Ops() { return h.engine->Menus().Groups(); }
  std::string Shown() { return h.ui.layouts.empty() ? "" : h.ui.layouts.back().groupName; }

  Harness h;
};

TEST_F(GroupsFixture, NamesThatExistOrAreEmptyAreRefused) {
  struct Case {
    const char* answer;
    bool refusedWithMessage;
  } cases[] = {{"B", true}, {"b", true}, {"a", true}, {"", false}};
  for (const auto& c : cases) {
    h.ui.messages.clear();
    h.ui.AnswerInput(c.answer);
    h.ui.AnswerInput(c.answer);
    EXPECT_EQ(Ops().AskForRenameGroup(1) + Ops().AskForNewGroup(), -2) << c.answer;
    EXPECT_EQ(h.ui.messages.size(), c.refusedWithMessage ? 2u : 0u) << c.answer;
    EXPECT_EQ(h.state.table.GroupList, (std::vector<std::string>{"A", "B", "C"}));
  }
  // A free name renames the group in the table and in the list.
  h.ui.AnswerInput("Z");
  EXPECT_EQ(Ops().AskForRenameGroup(2), 1);
  EXPECT_EQ(h.state.table.GroupList, (std::vector<std::string>{"A", "Z", "C"}));
  EXPECT_EQ(h.Group(2).Name, "Z");
}

TEST_F(GroupsFixture, RightPressStepsRoundTheList) {
  struct Case {
    int from;
    bool previous;
    const char* shown;
  } cases[] = {{1, true, "C"}, {1, false, "B"}, {3, false, "A"}, {2, true, "A"}};
  for (const auto& c : cases) {
    h.state.table.CurrentGroup = c.from;
    Ops().StepGroup(c.previous);
    EXPECT_EQ(h.state.table.Current().Name, c.shown);
    EXPECT_EQ(Shown(), c.shown);
  }
}

TEST_F(GroupsFixture, DeleteKeepsCurrentAndLastFilledGroupsPointingAtTheSameGroups) {
  struct Case {
    int current;
    int deleted;
    const char* shownAfter;
    int lastFillGroupBefore;
    int lastFillGroupAfter;  // -1: forgotten
  } cases[] = {
      {2, 2, "A", 2, -1},  // the current group goes: the first group shows
      {3, 1, "C", 3, 2},   // an earlier group goes: C stays current
      {1, 3, "A", 2, 2},   // a later group goes: nothing moves
  };
  for (const auto& c : cases) {
    SetUp();
    h.state.table.CurrentGroup = c.lastFillGroupBefore;
    h.clipboard.Copy("clip");
    h.loop.AdvanceBy(100);
    ASSERT_EQ(h.engine->Capture().LastFillGroup(), c.lastFillGroupBefore);
    h.state.table.CurrentGroup = c.current;
    h.ui.Answer(MsgResult::Yes);
    EXPECT_EQ(Ops().AskForDeleteGroup(c.deleted), 0);
    EXPECT_EQ(h.state.table.Current().Name, c.shownAfter);
    EXPECT_EQ(Shown(), c.shownAfter);
    EXPECT_EQ(h.engine->Capture().LastFillGroup(), c.lastFillGroupAfter);
  }
}

TEST_F(GroupsFixture, DeletingTheLastGroupOrAnsweringNoChangesNothing) {
  h.ui.Answer(MsgResult::No);
  EXPECT_EQ(Ops().AskForDeleteGroup(2), -1);
  h.state.table.Groups.resize(2);
  h.state.table.GroupList = {"A"};
  EXPECT_EQ(Ops().AskForDeleteGroup(1), -1);
  EXPECT_EQ(h.ui.messages.back().text, kLastGroupText);
}

TEST_F(GroupsFixture, CopyGroupTakesClipsOnlyWithYes) {
  h.Group(1).Buttons.SetUsed(1, true);
  h.Group(1).Buttons.SetText(6, "perm");
  h.Group(1).MonitorWindow = "Editor";
  for (MsgResult answer : {MsgResult::Yes, MsgResult::No}) {
    const std::string name = answer == MsgResult::Yes ? "Yes" : "No";
    h.ui.Answer(answer);
    h.ui.AnswerInput(name);
    Ops().AskForCopyGroup(1);
    const TGroup& copy = h.state.table.Current();
    ASSERT_EQ(copy.Name, name);
    EXPECT_EQ(copy.Buttons[1].Text, answer == MsgResult::Yes ? "A" : "");
    EXPECT_EQ(copy.Buttons[6].Text, "perm");
    EXPECT_EQ(copy.MonitorWindow, "");
    h.state.table.CurrentGroup = 1;
  }
  h.ui.Answer(MsgResult::Cancel);
  Ops().AskForCopyGroup(1);
  EXPECT_EQ(h.state.table.GroupCount(), 5);
}

TEST_F(GroupsFixture, CopyToGroupFillsAnEmptyClipOrGrowsTheGroup) {
  TGroup& b = h.Group(2);
  // Clip source into a group with a free clip button: the first free one.
  EXPECT_EQ(Ops().CopyToGroup(1, 2, 1), 0);
  EXPECT_EQ(b.Buttons[2].Text, "A");
  for (int i = 3; i <= 5; ++i) b.Buttons.SetText(i, "full");
  // Clip source into a full group: one more clip button, before the permanent one.
  EXPECT_EQ(Ops().CopyToGroup(1, 2, 1), 1);
  EXPECT_EQ(b.Buttons[6].Text, "A");
  EXPECT_EQ(b.Buttons[7].Name, "Permanent");
  // Permanent source: a new last permanent button.
  EXPECT_EQ(Ops().CopyToGroup(1, 2, 6), 0);
  EXPECT_EQ(b.NumPermButtons, 2);
  EXPECT_EQ(b.Buttons.Name(b.Buttons.size() - 1), "Permanent");
}

TEST_F(GroupsFixture, AllGroupsSkipsTheSourceAndAGroupNamedSoGetsOnlyItsOwnCopy) {
  h.Group(3).Name = h.state.table.GroupList[2] = "All Groups";
  h.state.table.CurrentButton = 1;
  WindowMenus& menus = h.engine->Menus();
  const MenuModel menu = menus.ButtonMenu();
  const MenuEntry& copyTo = menu[menu.size() - 3];
  ASSERT_EQ(copyTo.caption, "Copy to Group");
  EXPECT_EQ(MenuCaptions(copyTo.children), "A|B|All Groups|-|All Groups|-|Cancel");
  menus.Choose(copyTo.children[2].command);  // the group named "All Groups"
  EXPECT_EQ(h.Group(2).Buttons[2].Text, "");
  EXPECT_EQ(h.Group(3).Buttons[2].Text, "A");
  menus.Choose(copyTo.children[4].command);  // the entry for every group
  EXPECT_EQ(h.Group(1).Buttons[2].Text, "");
  EXPECT_EQ(h.Group(2).Buttons[2].Text, "A");
  EXPECT_EQ(h.Group(3).Buttons[3].Text, "A");
}

TEST_F(GroupsFixture, DontAskAgainStopsLaterQuestionsWhateverTheAnswer) {
  h.Group(1).Buttons.SetUsed(2, true);
  h.ui.Answer(MsgResult::No, true);
  Ops().ClearAllClip(1);
  EXPECT_EQ(h.Group(1).Buttons[1].Text, "A");
  h.ui.Answer(MsgResult::No, true);
  Ops().MarkAllUnused();
  EXPECT_TRUE(h.Group(1).Buttons[2].Used);
  // No more questions: both now act at once.
  h.Group(1).Buttons.SetUsed(6, true);
  Ops().MarkAllUnused();
  Ops().ClearAllClip(1);
  EXPECT_EQ(h.Group(1).Buttons[1], EmptyClipButton());
  EXPECT_TRUE(h.Group(1).Buttons[6].Used);  // permanent buttons keep their mark
}

TEST_F(GroupsFixture, GroupMenuEntriesWithoutTheirWorkAreDisabled) {
  WindowMenus& menus = h.engine->Menus();
  menus.SetSeams(MenuSeams{});
  EXPECT_FALSE(FindCommand(menus.GroupMenu(), cmdGroupOptions)->enabled);
  int options = 0;
  menus.SetSeams(MenuSeams{.groupOptions = [&] { ++options; }});
  h.state.table.CurrentButton = 40;  // left over from a larger group
  EXPECT_TRUE(FindCommand(menus.GroupMenu(), cmdGroupOptions)->enabled);
  menus.Choose(cmdGroupOptions);
  EXPECT_EQ(options, 1);
  EXPECT_EQ(h.state.table.CurrentButton, 1);
  h.Group(1).TrackUsed = false;
  EXPECT_FALSE(FindCommand(menus.GroupMenu(), cmdMarkAllUnused)->enabled);
}

}  // namespace
}  // namespace cvd::test
