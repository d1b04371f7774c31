#include "core/window/Layout.h"

#include <gtest/gtest.h>

namespace cvd {
namespace {

TGroup GroupWith(int clips, int perms, int columns) {
  TGroup g = NewGroupDefaults("G", "/x/");
  g.NumClipButtons = clips;
  g.NumPermButtons = perms;
  g.NumColumns = columns;
  g.ResizeButtons();
  return g;
}

TEST(Display, GridSizesByColumnCount) {
  // Clip and permanent buttons, columns; rows, columns stored back, client width and height.
  const std::tuple<int, int, int, int, int, int, int> cases[] = {
      {5, 1, 1, 7, 1, 90, 140},  // the default group: selector on top of six buttons
      {5, 1, 2, 4, 2, 180, 80},
      {2, 1, 3, 2, 3, 180, 40},  // 3 buttons in 3 columns: the third column stays empty
      {5, 1, 9, 2, 6, 360, 40},  // 9 columns lowered to the 6 buttons: 2 rows, 4 columns used
      {0, 0, 1, 1, 1, 90, 20},   // no buttons: the selector alone
      {5, 1, 0, 7, 1, 90, 140},  // fewer than one column: one
      {1000, 0, 1, 1001, 1, 90, 20020},
  };
  for (const auto& [clips, perms, columns, rows, storedColumns, width, height] : cases) {
    TGroup g = GroupWith(clips, perms, columns);
    const WindowLayout layout = LayoutGroup(g);
    SCOPED_TRACE(::testing::Message() << clips << "+" << perms << " in " << columns);
    EXPECT_EQ(layout.rows, rows);
    EXPECT_EQ(g.NumColumns, storedColumns);
    EXPECT_EQ(layout.client, (Size{width, height}));
    EXPECT_EQ(layout.buttons.size(), static_cast<std::size_t>(clips + perms));
  }
}

TEST(Display, CellsFillColumnByColumn) {
  TGroup g = GroupWith(5, 1, 2);
  const WindowLayout layout = LayoutGroup(g);
  // Column 0 holds the selector and buttons 1..3, column 1 buttons 4..6.
  const Rect expected[] = {{0, 20, 90, 20}, {0, 40, 90, 20},  {0, 60, 90, 20},
                           {90, 0, 90, 20}, {90, 20, 90, 20}, {90, 40, 90, 20}};
  for (int i = 0; i < 6; ++i) {
    EXPECT_EQ(layout.buttons[i].number, i + 1);
    EXPECT_EQ(layout.buttons[i].bounds, expected[i]) << "button " << i + 1;
  }
  EXPECT_EQ(layout.groupBox, (Rect{0, 0, 70, 20}));
  EXPECT_EQ(layout.groupButton, (Rect{70, 1, 20, 18}));
  EXPECT_EQ(layout.groupListWidth, 90);
}

TEST(Display, CaptionColourGreysUsedTrackedButtons) {
  TGroup g = GroupWith(2, 1, 1);
  g.Buttons.SetFontColor(1, clBlue);
  g.Buttons.SetUsed(1, true);
  g.Buttons.SetFontColor(3, clRed);
  g.Buttons.SetUsed(3, true);
  g.Buttons.SetColor(2, clYellow);
  WindowLayout layout = LayoutGroup(g);
  EXPECT_EQ(layout.buttons[0].fontColor, clGray);
  EXPECT_EQ(layout.buttons[1].color, clYellow);
  EXPECT_EQ(layout.buttons[2].fontColor, clGray);  // any used button, permanent too
  g.TrackUsed = false;
  layout = LayoutGroup(g);
  EXPECT_EQ(layout.buttons[0].fontColor, clBlue);
  EXPECT_EQ(layout.buttons[2].fontColor, clRed);
}

TEST(RestoreColorButton, StandardColoursNotOwnColours) {
  TGroup g = GroupWith(3, 1, 1);
  g.Buttons.SetUsed(2, true);
  g.Buttons.SetFontColor(4, clYellow);
  EXPECT_EQ(StandardFontColor(g, 1, 3), clBlack);
  EXPECT_EQ(StandardFontColor(g, 2, 3), clGray);
  EXPECT_EQ(StandardFontColor(g, 3, 3), clBlue);  // the active button
  EXPECT_EQ(StandardFontColor(g, 4, 3), clRed);   // permanent: red, not its own yellow
  g.TrackUsed = false;
  EXPECT_EQ(StandardFontColor(g, 2, 3), clBlack);
}

TEST(SetPasteCount, LandsOnTheOldestFilledClip) {
  // Fill mode, the clip buttons (of 5) holding text, the paste count.
  const std::tuple<int, std::vector<int>, int> cases[] = {
      {1, {}, 1}, {1, {1, 2}, 2}, {1, {1, 2, 3, 4, 5}, 5}, {1, {3}, 3},
      {2, {}, 5}, {2, {4, 5}, 4}, {2, {1, 2, 3, 4, 5}, 1}, {2, {5}, 5},
  };
  for (const auto& [fillMode, filled, expected] : cases) {
    TGroup g = GroupWith(5, 1, 1);
    g.FillMode = fillMode;
    for (int b : filled) g.Buttons.SetText(b, "x");
    EXPECT_EQ(PasteCountFor(g), expected) << "fill mode " << fillMode;
  }
}

TEST(KeepOnScreen, OffDisplayPositionsMoveTo100) {
  const Rect display{0, 0, 1920, 1080};
  const std::pair<Point, Point> cases[] = {
      {{500, 300}, {500, 300}}, {{1900, 1060}, {1900, 1060}}, {{1901, 300}, {100, 300}},
      {{-5, 300}, {100, 300}},  {{500, 1061}, {500, 100}},    {{5000, -1}, {100, 100}},
  };
  for (const auto& [in, out] : cases) EXPECT_EQ(KeepOnScreen(in, display), out) << in.x << "," << in.y;
  // A display stacked below another keeps positions that lie on it.
  EXPECT_EQ(KeepOnScreen(Point{50, 1500}, Rect{0, 1080, 1920, 1080}), (Point{50, 1500}));
}

}  // namespace
}  // namespace cvd
