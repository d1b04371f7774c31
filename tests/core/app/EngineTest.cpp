// The Engine's wiring on fake ports: start-up, hints, group switches and exit.
#include "core/app/Engine.h"

#include <gtest/gtest.h>

#include "core/json/StateJson.h"
#include "core/window/Hints.h"
#include "support/Harness.h"

namespace cvd {
namespace {

class EngineTest : public ::testing::Test {
 protected:
  test::Harness h;
};

TEST_F(EngineTest, HintsFollowTheGroupBesideTheWindowCutToTheMaximumHeight) {
  h.Start();
  h.Group().ShowHints = false;
  h.ui.buttonUnderPointer = 2;
  h.loop.AdvanceBy(5000);
  EXPECT_EQ(h.ui.hintShows, 0);

  h.Group().ShowHints = true;
  h.Group().Buttons.SetText(1, std::string(900, 'w'));  // many lines
  h.ui.frame = Rect{300, 100, 90, 140};
  h.ui.buttonUnderPointer = 1;
  h.loop.AdvanceBy(500);
  ASSERT_EQ(h.ui.hintShows, 1);
  EXPECT_EQ(h.ui.hintRect.left, 390 + 10);  // right of the window
  EXPECT_EQ(h.ui.hintRect.height, MaxHintHeight);
}

TEST_F(EngineTest, SwitchingGroupsKeepsPositionsAndLaysOutTheNewGroup) {
  h.Start();
  GroupTable& table = h.state.table;
  table.AddGroup("Small", "/nonexistent/");
  table.Groups[2].NumClipButtons = 1;
  table.Groups[2].ResizeButtons();
  table.Groups[2].RememberPos = true;
  table.Groups[2].WindowLeft = 5000;  // off the display
  table.Groups[2].WindowTop = 40;
  h.ui.frame.left = 333;

  h.engine->GroupListChange(1);
  EXPECT_EQ(table.Groups[1].WindowLeft, 333);
  EXPECT_EQ(h.ui.layouts.back().buttons.size(), 2u);
  EXPECT_EQ(h.ui.frame.left, 100);
  EXPECT_EQ(h.ui.frame.top, 40);

  h.engine->GroupListChange(7);  // no such entry: nothing changes
  EXPECT_EQ(table.CurrentGroup, 2);
}

TEST_F(EngineTest, FirstStartWelcomesAndExitKeepsEverything) {
  h.Start("/prog/");
  EXPECT_EQ(h.ui.balloons, std::vector<std::string>{std::string("Corvinade: ") + kWelcomeText});
  // A second start shows the window and a notice.
  h.engine->CloseButtonWindow();
  h.engine->HandleSystemCommand(scAlreadyRunning);
  EXPECT_TRUE(h.ui.visible);
  EXPECT_EQ(h.ui.balloons.back(), std::string("Corvinade: ") + kAlreadyRunningText);
  h.Group().Buttons.SetText(1, "kept");
  h.ui.frame.left = 345;
  bool quit = false;
  h.engine->SetQuitHandler([&] { quit = true; });
  h.engine->MenuExitClick();
  EXPECT_TRUE(quit);
  for (const char* file : {"corvinade.ini", "corvinade.dat", "Network.ini"}) EXPECT_TRUE(h.dir.Exists(file)) << file;

  // After exit nothing is tracked or captured any more.
  h.windows.windows[1] = {"Editor", "gedit"};
  h.Focus(1);
  EXPECT_EQ(h.engine->Target().LastTarget(), 0u);
  h.clipboard.Copy("late");
  h.loop.AdvanceBy(100);
  EXPECT_EQ(h.Clip(2), "");

  h.ui.balloons.clear();
  h.Start("/prog/");
  EXPECT_TRUE(h.ui.balloons.empty());  // welcomed once only
  EXPECT_EQ(h.Clip(1), "kept");
  EXPECT_EQ(h.ui.frame.left, 345);
}

TEST_F(EngineTest, QuickFixesOfTheSettingsRunOnTheButtonOnScreen) {
  h.Start();
  h.Group().Buttons.SetText(2, "shout this");  // the first fix of the defaults makes uppercase
  h.state.table.CurrentButton = 2;
  h.engine->QuickFixes().ApplyFromButtonMenu(0);
  EXPECT_EQ(h.ui.layouts.back().buttons[1].caption, "SHOUT THIS");  // stored and redrawn
}

TEST_F(EngineTest, StartUpShowsTheDefaultGroupAndTheStateReportsIt) {
  h.windows.windows[1] = {"Terminal", "xterm"};
  h.windows.foreground = 1;
  h.Start();
  h.clipboard.Copy("a clip");
  h.loop.AdvanceBy(25);
  const auto state = StateJson(*h.engine);
  EXPECT_EQ(state["CurrentGroup"], "Default");
  EXPECT_EQ(state["groups"][0]["Buttons"][0]["Text"], "a clip");
  EXPECT_EQ(state["LastTarget"]["exe"], "xterm");
  EXPECT_EQ(state["LastFilled"], 1);
  EXPECT_EQ(state["window"]["visible"], true);
  EXPECT_EQ(h.ui.layouts.back().buttons.at(5).caption, "Permanent");
}

TEST_F(EngineTest, WindowSystemPathsAreReportedAndTheirNoticesToldTogetherAtEveryStart) {
  h.platform.capture = "wayland:zwlr_data_control_manager_v1";
  h.platform.notices = {"no keys", "no windows"};
  h.Start("/prog/");
  const auto state = StateJson(*h.engine);
  EXPECT_EQ(state["platform"]["capture"], "wayland:zwlr_data_control_manager_v1");
  EXPECT_EQ(state["platform"]["keys"], "x11");
  EXPECT_EQ(state["platform"]["paste"], "x11");
  EXPECT_EQ(h.ui.balloons.back(), "Corvinade: no keys\n\nno windows");
  // Not only at the first start, as the welcome is.
  h.engine->MenuExitClick();
  h.ui.balloons.clear();
  h.Start("/prog/");
  EXPECT_EQ(h.ui.balloons, std::vector<std::string>{"Corvinade: no keys\n\nno windows"});
}

TEST_F(EngineTest, TheStatePrintedIsTheStateAsJson) {
  h.Start();
  h.MakeGroupsABC();
  // Texts JSON escapes, and bytes that are no UTF-8.
  const std::string texts[] = {"quote \" and \\ back",     "line\r\nbreak\ttab\b\f", std::string("nul\0one\x1f", 8),
                               "caf\xC3\xA9 \xE2\x82\xAC", "bad \xC3 \xFF\xFE end",  "",
                               "slash / del \x7F"};
  ButtonList& buttons = h.Group(2).Buttons;
  for (std::size_t i = 0; i < std::size(texts); ++i) {
    buttons.SetStrings(1 + i % 5, texts[i], texts[(i + 1) % std::size(texts)], texts[(i + 2) % std::size(texts)]);
  }
  h.Group(2).Name = texts[0];
  h.state.table.GroupList[1] = texts[0];
  h.Group(2).FontStyle = fsBold | fsItalic;
  h.Group(3).FontStyle = fsItalic;
  h.Group(3).NumClipButtons = 0;
  h.Group(3).NumPermButtons = 0;
  h.Group(3).ResizeButtons();
  const std::string whole = StateJson(*h.engine).dump(2);
  EXPECT_EQ(StateText(*h.engine), whole);
  // Sent in pieces, the report is the same text; a reader gone stops it.
  for (const std::size_t pieceBytes : {std::size_t{1}, std::size_t{3000}, whole.size()}) {
    std::vector<std::string> pieces;
    EXPECT_TRUE(WriteStateText(*h.engine, pieceBytes, [&pieces](std::string& piece) {
      pieces.push_back(piece);
      piece.clear();
      return true;
    }));
    std::string joined;
    for (const std::string& piece : pieces) joined += piece;
    EXPECT_EQ(joined, whole) << pieceBytes;
    if (pieceBytes == 1) {
      EXPECT_EQ(pieces.size(), h.state.table.GroupList.size() + 1);
    }
    int calls = 0;
    EXPECT_FALSE(WriteStateText(*h.engine, pieceBytes, [&calls](std::string&) { return ++calls, false; }));
    EXPECT_EQ(calls, 1) << pieceBytes;
  }
}

}  // namespace
}  // namespace cvd
