#include "core/clipboard/ClipFill.h"

#include <gtest/gtest.h>

namespace cvd {
namespace {

std::string Caption(const std::string& text) { return "<" + text + ">"; }

TGroup Group(int fillMode, int copyDups, int clips = 5) {
  TGroup g = NewGroupDefaults("G", "/x/");
  g.FillMode = fillMode;
  g.CopyDups = copyDups;
  SetNewNumClipButtons(g, clips);
  return g;
}

std::vector<std::string> Texts(const TGroup& g) {
  std::vector<std::string> texts;
  for (int b = 1; b <= g.NumClipButtons; ++b) texts.push_back(g.Buttons[b].Text);
  return texts;
}

TEST(FillClip, FillOrderAndDuplicatePolicies) {
  using Clips = std::vector<std::string>;
  // What, fill mode, duplicate policy, the copies, the clip texts after them, the button filled last.
  const std::tuple<const char*, int, int, Clips, Clips, int> cases[] = {
      {"don't copy a duplicate", 1, 0, {"A", "B", "A"}, {"B", "A", "", "", ""}, 1},
      {"copy duplicates", 1, 1, {"A", "A"}, {"A", "A", "", "", ""}, 1},
      {"move duplicate to the top", 1, 2, {"A", "B", "C", "A"}, {"A", "C", "B", "", ""}, 1},
      {"move duplicate to the bottom", 2, 2, {"A", "B", "C", "A"}, {"", "", "B", "C", "A"}, 5},
      {"case matters", 1, 0, {"abc", "ABC"}, {"ABC", "abc", "", "", ""}, 1},
      {"the whole text matters", 1, 0, {"abc", "abc\r\n"}, {"abc\r\n", "abc", "", "", ""}, 1},
  };
  for (const auto& [name, fillMode, copyDups, copies, expected, lastFilled] : cases) {
    SCOPED_TRACE(name);
    TGroup g = Group(fillMode, copyDups);
    FillResult last;
    for (const auto& text : copies) {
      FillResult r = FillClip(g, text, Caption);
      if (r.changed) last = r;
    }
    EXPECT_EQ(Texts(g), expected);
    EXPECT_EQ(last.filled, lastFilled);
  }
}

TEST(FillClip, DontCopyChangesNothing) {
  TGroup g = Group(1, 0);
  FillClip(g, "A", Caption);
  const TGroup before = g;
  const FillResult r = FillClip(g, "A", Caption);
  EXPECT_FALSE(r.changed);
  EXPECT_EQ(g, before);
}

TEST(FillClip, MoveKeepsNameAndUnmarks) {
  TGroup g = Group(1, 2);
  for (const char* t : {"A", "B", "C"}) FillClip(g, t, Caption);
  g.Buttons.SetName(3, "My A");
  g.Buttons.SetUsed(3, true);
  const FillResult r = FillClip(g, "A", Caption);
  EXPECT_TRUE(r.changed);
  EXPECT_EQ(g.Buttons[1].Name, "My A");
  EXPECT_FALSE(g.Buttons[1].Used);
}

TEST(FillClip, MarkUnusedOnlyChangesUsedButtons) {
  TGroup g = Group(1, 3);
  for (const char* t : {"A", "B"}) FillClip(g, t, Caption);
  EXPECT_FALSE(FillClip(g, "A", Caption).changed);  // not used: nothing to do
  g.Buttons.SetUsed(2, true);
  const FillResult r = FillClip(g, "A", Caption);
  EXPECT_TRUE(r.changed);
  EXPECT_EQ(r.filled, 2);
  EXPECT_FALSE(g.Buttons[2].Used);
  EXPECT_EQ(Texts(g), (std::vector<std::string>{"B", "A", "", "", ""}));
}

TEST(FillClip, PermanentButtonsAreNeverTouchedOrMatched) {
  for (int policy : {0, 1, 2, 3}) {
    TGroup g = Group(2, policy);
    g.Buttons.SetText(6, "same");
    const TButton permanent = g.Buttons[6];
    FillClip(g, "same", Caption);
    for (int i = 0; i < 7; ++i) FillClip(g, "x" + std::to_string(i), Caption);
    EXPECT_EQ(g.Buttons[6], permanent) << policy;
    EXPECT_EQ(g.Buttons.size(), 7u);
  }
}

TEST(FillClip, AThousandClipButtons) {
  TGroup g = Group(1, 0, 1000);
  for (int i = 0; i < 1500; ++i) FillClip(g, std::to_string(i), Caption);
  EXPECT_EQ(g.Buttons[1].Text, "1499");
  EXPECT_EQ(g.Buttons[1000].Text, "500");
  EXPECT_FALSE(FillClip(g, "700", Caption).changed);  // found deep in the history
  EXPECT_EQ(g.Buttons[1001].Name, "Permanent");
}

TEST(SetNewNumClipButtons, GrowsAndCutsAtTheBottomOfTheClipArea) {
  TGroup g = Group(1, 0);
  g.NumPermButtons = 2;
  g.ResizeButtons();
  for (int b = 1; b <= 5; ++b) g.Buttons.SetText(b, std::to_string(b));
  g.Buttons.SetText(6, "P1");
  g.Buttons.SetText(7, "P2");

  SetNewNumClipButtons(g, 3);
  EXPECT_EQ(g.NumClipButtons, 3);
  ASSERT_EQ(g.Buttons.size(), 6u);
  EXPECT_EQ(Texts(g), (std::vector<std::string>{"1", "2", "3"}));
  EXPECT_EQ(g.Buttons[4].Text, "P1");
  EXPECT_EQ(g.Buttons[5].Text, "P2");

  SetNewNumClipButtons(g, 5);
  ASSERT_EQ(g.Buttons.size(), 8u);
  EXPECT_EQ(g.Buttons[4], EmptyClipButton());
  EXPECT_EQ(g.Buttons[7].Text, "P2");
}

TEST(MoveButton, ShiftsTheButtonsBetween) {
  TGroup g = Group(1, 0);
  for (int b = 1; b <= 5; ++b) g.Buttons.SetText(b, std::to_string(b));
  MoveButton(g, 4, 1);
  EXPECT_EQ(Texts(g), (std::vector<std::string>{"4", "1", "2", "3", "5"}));
  MoveButton(g, 1, 5);
  EXPECT_EQ(Texts(g), (std::vector<std::string>{"1", "2", "3", "5", "4"}));
  MoveButton(g, 2, 9);
  EXPECT_EQ(Texts(g), (std::vector<std::string>{"1", "2", "3", "5", "4"}));
}

}  // namespace
}  // namespace cvd
