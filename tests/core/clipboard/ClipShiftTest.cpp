#include "core/clipboard/ClipShift.h"

#include <gtest/gtest.h>

namespace cvd {
namespace {

std::string Caption(const std::string& text) { return "<" + text + ">"; }

// Five clip buttons holding 1..5 and one permanent button.
TGroup NumberedGroup(int fillMode) {
  TGroup group = NewGroupDefaults("G", "/nonexistent/");
  group.FillMode = fillMode;
  for (int b = 1; b <= 5; ++b) {
    const std::string n = std::to_string(b);
    group.Buttons.Set(b, TButton{"n" + n, "h" + n, n, true, clBlack, clYellow});
  }
  return group;
}

std::vector<std::string> ClipTexts(const TGroup& group) {
  std::vector<std::string> texts;
  for (int b = 1; b <= group.NumClipButtons; ++b) texts.push_back(group.Buttons[b].Text);
  return texts;
}

TEST(ClipShift, NewClipEntersAtTheFillEndAndTheOldestDropsOut) {
  const std::tuple<int, int, std::vector<std::string>> cases[] = {
      {1, 1, {"new", "1", "2", "3", "4"}},
      {2, 5, {"2", "3", "4", "5", "new"}},
      {0, 5, {"2", "3", "4", "5", "new"}},  // anything but 1 fills from the bottom
  };
  for (const auto& [fillMode, filled, texts] : cases) {
    TGroup group = NumberedGroup(fillMode);
    const TButton permanent = group.Buttons[6];
    EXPECT_EQ(ShiftInNewClip(group, "new", Caption), filled);
    EXPECT_EQ(ClipTexts(group), texts) << fillMode;
    EXPECT_EQ(group.Buttons[6], permanent);
    // The new clip is fresh; a moved button keeps all its fields.
    const TButton& clip = group.Buttons[filled];
    EXPECT_EQ(clip, (TButton{"<new>", "", "new", false, clBlack, clBtnFace}));
    const TButton& moved = group.Buttons[fillMode == 1 ? 2 : 4];
    EXPECT_EQ(moved.Name, fillMode == 1 ? "n1" : "n5");
    EXPECT_EQ(moved.Hint, fillMode == 1 ? "h1" : "h5");
    EXPECT_TRUE(moved.Used);
    EXPECT_EQ(moved.Color, clYellow);
  }
}

TEST(ClipShift, ManyClipsInOnePassEqualOneAfterTheOther) {
  for (int fillMode : {1, 2}) {
    for (int count = 0; count <= 8; ++count) {
      std::vector<std::string> texts;
      for (int i = 0; i < count; ++i) texts.push_back("t" + std::to_string(i));
      TGroup oneByOne = NumberedGroup(fillMode);
      for (const std::string& text : texts) ShiftInNewClip(oneByOne, text, Caption);
      TGroup batch = NumberedGroup(fillMode);
      int captions = 0;
      const int filled = ShiftInNewClips(batch, texts, [&](const std::string& text) {
        ++captions;
        return Caption(text);
      });
      EXPECT_EQ(batch, oneByOne) << "fill mode " << fillMode << ", " << count << " clips";
      EXPECT_EQ(filled, std::min(count, 5));
      EXPECT_EQ(captions, std::min(count, 5));  // no caption for a clip that would drop out again
    }
  }
  TGroup none = NumberedGroup(1);
  none.NumClipButtons = 0;
  EXPECT_EQ(ShiftInNewClips(none, {"x"}, Caption), 0);
}

TEST(ClipShift, SingleClipButtonAndGroupsWithoutRoom) {
  TGroup one = NumberedGroup(1);
  one.NumClipButtons = 1;
  one.NumPermButtons = 0;
  one.Buttons.resize(2);
  EXPECT_EQ(ShiftInNewClip(one, "x", Caption), 1);
  EXPECT_EQ(one.Buttons[1].Text, "x");

  TGroup none = NumberedGroup(1);
  none.NumClipButtons = 0;
  const TGroup before = none;
  EXPECT_EQ(ShiftInNewClip(none, "x", Caption), 0);
  EXPECT_EQ(none, before);

  TGroup damaged = NumberedGroup(2);
  damaged.Buttons.resize(3);  // shorter than its five clip buttons
  const TGroup damagedBefore = damaged;
  EXPECT_EQ(ShiftInNewClip(damaged, "x", Caption), 0);
  EXPECT_EQ(damaged, damagedBefore);
}

}  // namespace
}  // namespace cvd
