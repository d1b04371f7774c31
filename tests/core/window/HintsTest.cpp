#include "core/window/Hints.h"

#include <gtest/gtest.h>

namespace cvd {
namespace {

std::vector<HintAction> Ticks(HintState& state, const std::vector<int>& ticks) {
  std::vector<HintAction> actions;
  for (int b : ticks) actions.push_back(HoverStep(state, b));
  return actions;
}

using A = HintAction;

TEST(HoverStep, HintAfterFiveTicksOnOneButtonAndHiddenWhenLeaving) {
  const A N = A::None, S = A::Show;
  const std::tuple<std::vector<int>, std::vector<A>, int> cases[] = {
      {{2, 2, 2, 2, 2, 2, 2}, {N, N, N, N, S, N, N}, 2},        // shown once
      {{1, 1, 1, 1, 1, 3}, {N, N, N, N, S, S}, 3},              // moving while showing switches at once
      {{1, 1, 1, 2, 2, 2, 2, 2}, {N, N, N, N, N, N, N, S}, 2},  // moving before the hint restarts the count
      {{1, 1, 1, 1, 1, -1, 1, 1, 1, 1, 1}, {N, N, N, N, S, A::Hide, N, N, N, N, S}, 1},
  };
  for (const auto& [ticks, actions, hintButton] : cases) {
    HintState state;
    EXPECT_EQ(Ticks(state, ticks), actions) << ticks.size();
    EXPECT_EQ(state.HintButton, hintButton);
  }
  HintState state;
  Ticks(state, {1, 1, 1, 1, 1, -1});
  EXPECT_EQ(state.HintButton, -1);
  EXPECT_EQ(state.HoverCount, 0);
}

TEST(HintText, FallsBackFromHintToTextToEmptyNotice) {
  TGroup g = NewGroupDefaults("G", "/x/");
  g.Buttons.SetHint(1, "my hint");
  g.Buttons.SetText(1, "ignored");
  g.Buttons.SetText(2, "a\tb" + std::string(2000, 'c'));
  g.Buttons.SetText(6, "");
  EXPECT_EQ(HintText(g, 1), "my hint");
  EXPECT_EQ(HintText(g, 2).substr(0, 4), "a bc");
  EXPECT_EQ(HintText(g, 2).size(), 1000u);
  EXPECT_EQ(HintText(g, 3), "Empty, updated by clipboard, Right click for options.");
  EXPECT_EQ(HintText(g, 6), "Empty, Right click for options.");
}

TEST(HintPosition, ThreePlaces) {
  const Rect window{100, 200, 90, 140};
  const Point pointer{150, 250};
  const Size hint{120, 40};
  EXPECT_EQ(HintPosition(1, window, pointer, hint), (Point{100 - 10 - 120, 260}));
  EXPECT_EQ(HintPosition(2, window, pointer, hint), (Point{190 + 10, 260}));
  EXPECT_EQ(HintPosition(3, window, pointer, hint), (Point{150, 340 + 10}));
  EXPECT_EQ(HintPosition(7, window, pointer, hint), (Point{150, 350}));
}

}  // namespace
}  // namespace cvd
