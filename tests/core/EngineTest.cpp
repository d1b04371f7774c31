#include "core/app/Engine.h"

#include <gtest/gtest.h>

#include "support/TempDir.h"

#include "core/json/StateJson.h"
#include "support/FakeEventLoop.h"
#include "support/FakeShell.h"
#include "support/FakeTextMeasure.h"
#include "support/ScriptedUi.h"

namespace cvd {
namespace {

class EngineTest : public ::testing::Test {
 protected:
  testing::TempDir dir;  // data folder of the engine
  EngineTest() : engine(Ports{&loop, &ui, &measure}, Directories{"/nonexistent/", dir.Path(), dir.Path()}) {}
  testing::FakeEventLoop loop;
  testing::ScriptedUi ui;
  testing::FakeTextMeasure measure;
  Engine engine;
};

TEST_F(EngineTest, TimersStartDisabledWithTheirIntervals) {
  struct Case {
    Timer& timer;
    int interval;
  } cases[] = {{engine.TargetTimer(), 100}, {engine.CopyTimer(), 50},     {engine.CopyDelayTimer(), 25},
               {engine.ShortCutTimer(), 25}, {engine.ShareTimer(), 50},   {engine.FadeTimer(), 60000},
               {engine.MinuteTimer(), 60000}};
  for (const auto& c : cases) {
    EXPECT_FALSE(c.timer.IsActive());
    EXPECT_EQ(c.timer.Interval(), c.interval);
  }
  EXPECT_TRUE(engine.Pasting());  // from program start until start-up ends
}

TEST_F(EngineTest, StartUpShowsTheDefaultGroup) {
  engine.FormCreate();
  EXPECT_FALSE(engine.Pasting());
  EXPECT_TRUE(ui.visible);
  EXPECT_TRUE(engine.TargetTimer().IsActive());
  EXPECT_TRUE(engine.CopyTimer().IsActive());
  EXPECT_TRUE(engine.MinuteTimer().IsActive());
  EXPECT_FALSE(engine.ShortCutTimer().IsActive());
  ASSERT_EQ(ui.layouts.size(), 1u);
  const WindowLayout& layout = ui.layouts.back();
  EXPECT_EQ(layout.groupName, "Default");
  ASSERT_EQ(layout.buttons.size(), 6u);
  EXPECT_EQ(layout.buttons[0].caption, "Empty");
  EXPECT_EQ(layout.buttons[5].caption, "Permanent");
  EXPECT_EQ(layout.buttons[5].fontColor, clRed);
  EXPECT_EQ(engine.ActiveButton(), 1);
  EXPECT_EQ(engine.Table().GroupList, std::vector<std::string>{"Default"});
}

TEST_F(EngineTest, HintShowsOnTheFifthTickOfTheTargetTimer) {
  engine.FormCreate();
  ui.frame = Rect{300, 100, 90, 140};
  ui.pointer = Point{320, 170};
  ui.buttonUnderPointer = 6;
  loop.AdvanceBy(499);
  EXPECT_EQ(ui.hintShows, 0);
  loop.AdvanceBy(1);
  ASSERT_EQ(ui.hintShows, 1);
  EXPECT_EQ(ui.hintText, "This is an example of a permanent button");
  EXPECT_EQ(ui.hintRect.left, 390 + 10);  // right of the window
  EXPECT_EQ(ui.hintRect.top, 180);
  EXPECT_LE(ui.hintRect.width, MaxHintWidth + 6);

  ui.buttonUnderPointer = -1;
  loop.AdvanceBy(100);
  EXPECT_FALSE(ui.hintVisible);
}

TEST_F(EngineTest, NoHintsWhenTheGroupHidesThem) {
  engine.FormCreate();
  engine.Table().Current().ShowHints = false;
  ui.buttonUnderPointer = 2;
  loop.AdvanceBy(5000);
  EXPECT_EQ(ui.hintShows, 0);
}

TEST_F(EngineTest, HintHeightIsCut) {
  engine.FormCreate();
  engine.Table().Current().Buttons[1].Text = std::string(900, 'w');  // many lines
  ui.buttonUnderPointer = 1;
  loop.AdvanceBy(500);
  ASSERT_EQ(ui.hintShows, 1);
  EXPECT_EQ(ui.hintRect.height, MaxHintHeight);
}

TEST_F(EngineTest, SecondStartShowsTheWindowAndTheNotice) {
  engine.FormCreate();
  engine.CloseButtonWindow();
  EXPECT_FALSE(ui.visible);
  ui.balloons.clear();
  engine.HandleSystemCommand(scAlreadyRunning);
  EXPECT_TRUE(ui.visible);
  ASSERT_EQ(ui.balloons.size(), 1u);
  EXPECT_EQ(ui.balloons[0], std::string("Corvinade: ") + kAlreadyRunningText);
}

TEST_F(EngineTest, SwitchingGroupsKeepsPositionsAndLaysOutTheNewGroup) {
  engine.FormCreate();
  GroupTable& table = engine.Table();
  table.Groups.resize(3);
  table.MakeNewGroup(2, "Small", "/nonexistent/");
  table.Groups[2].NumClipButtons = 1;
  table.Groups[2].ResizeButtons();
  table.Groups[2].Buttons[1].Text = "x";
  table.Groups[2].RememberPos = true;
  table.Groups[2].WindowLeft = 5000;  // off the display
  table.Groups[2].WindowTop = 40;
  ui.frame.left = 333;
  ui.frame.top = 44;

  engine.GroupListChange(1);
  EXPECT_EQ(table.CurrentGroup, 2);
  EXPECT_EQ(table.Groups[1].WindowLeft, 333);
  EXPECT_EQ(table.Groups[1].WindowTop, 44);
  EXPECT_EQ(ui.layouts.back().buttons.size(), 2u);
  EXPECT_EQ(ui.frame.left, 100);
  EXPECT_EQ(ui.frame.top, 40);
  EXPECT_EQ(engine.ActiveButton(), 1);

  engine.GroupListChange(7);  // no such entry: nothing changes
  EXPECT_EQ(table.CurrentGroup, 2);
}

TEST_F(EngineTest, FirstStartWelcomesAndExitKeepsEverything) {
  testing::FakeShell shell;
  Ports ports{&loop, &ui, &measure};
  ports.shell = &shell;
  {
    Engine first(ports, Directories{"/prog/", dir.Path(), dir.Path()});
    first.FormCreate();
    EXPECT_EQ(ui.balloons, std::vector<std::string>{std::string("Corvinade: ") + kWelcomeText});
    EXPECT_EQ(shell.opened, std::vector<std::string>{"/prog/corvinade.chm"});
    first.Table().Current().Buttons[1].Text = "kept";
    first.GetSettings().DontCopy = true;
    ui.frame.left = 345;
    first.MenuExitClick();
  }
  EXPECT_TRUE(dir.Exists("corvinade.ini"));
  EXPECT_TRUE(dir.Exists("corvinade.dat"));
  EXPECT_TRUE(dir.Exists("Network.ini"));

  ui.balloons.clear();
  Engine second(ports, Directories{"/prog/", dir.Path(), dir.Path()});
  second.FormCreate();
  EXPECT_TRUE(ui.balloons.empty());  // welcomed once only
  EXPECT_EQ(shell.opened.size(), 1u);
  EXPECT_EQ(second.Table().Current().Buttons[1].Text, "kept");
  EXPECT_TRUE(second.GetSettings().DontCopy);
  EXPECT_EQ(ui.frame.left, 345);
}

TEST_F(EngineTest, QuickFixesOfTheSettingsRunOnTheButtonOnScreen) {
  engine.FormCreate();
  ASSERT_EQ(engine.GetSettings().QuickFixes.Name(0), "Change to Uppercase");
  TGroup& group = engine.Table().Current();
  group.Buttons[2].Text = "shout this";
  engine.Table().CurrentButton = 2;
  const std::size_t layouts = ui.layouts.size();
  engine.QuickFixes().ApplyFromButtonMenu(0);
  EXPECT_EQ(group.Buttons[2].Text, "SHOUT THIS");
  EXPECT_EQ(group.Buttons[2].Name, "SHOUT THIS");
  EXPECT_GT(ui.layouts.size(), layouts);  // redrawn
}

TEST_F(EngineTest, ExitStopsTimersAndQuits) {
  engine.FormCreate();
  bool quit = false;
  engine.SetQuitHandler([&] { quit = true; });
  engine.MenuExitClick();
  EXPECT_TRUE(quit);
  EXPECT_FALSE(engine.TargetTimer().IsActive());
  EXPECT_FALSE(engine.MinuteTimer().IsActive());
}

TEST_F(EngineTest, StateJsonListsGroupsInListOrderWithEveryField) {
  engine.FormCreate();
  const auto state = StateJson(engine);
  EXPECT_EQ(state["CurrentGroup"], "Default");
  ASSERT_EQ(state["groups"].size(), 1u);
  const auto& group = state["groups"][0];
  const char* fields[] = {"Name",       "NumClipButtons", "NumPermButtons", "WindowLeft", "WindowTop",
                          "RememberPos", "MonitorApplication", "MonitorWindow", "NumColumns", "Shared",
                          "ButtonWidth", "ButtonHeight", "FillMode",  "PlaySound",  "SoundFile",
                          "FontName",   "FontSize",      "FontStyle",  "CopyDups",   "TrackUsed",
                          "ShowHints",  "HintType",      "PasteKeyMode", "PasteDelay", "Buttons"};
  std::size_t i = 0;
  for (auto it = group.begin(); it != group.end(); ++it, ++i) {
    ASSERT_LT(i, std::size(fields));
    EXPECT_EQ(it.key(), fields[i]);
  }
  EXPECT_EQ(i, std::size(fields));
  EXPECT_EQ(group["Buttons"].size(), 6u);
  EXPECT_EQ(group["Buttons"][0]["Color"], -2147483633);
  EXPECT_EQ(group["Buttons"][5]["FontColor"], 255);
  EXPECT_EQ(state["window"]["visible"], true);
  EXPECT_EQ(state["window"]["rolledUp"], false);
}

}  // namespace
}  // namespace cvd
