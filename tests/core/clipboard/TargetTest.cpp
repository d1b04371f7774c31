// Target tracking on the 100 ms timer.
#include <gtest/gtest.h>

#include "core/app/Engine.h"
#include "support/FakeEventLoop.h"
#include "support/FakeTextMeasure.h"
#include "support/FakeWindows.h"
#include "support/ScriptedUi.h"

namespace cvd {
namespace {

class TargetTest : public ::testing::Test {
 protected:
  TargetTest() : engine(MakePorts(), Directories{"/nonexistent/", "/tmp/"}) {
    windows.windows[1] = {"Terminal", "xterm"};
    windows.windows[2] = {"Editor - a.txt", "gedit"};
    windows.windows[3] = {"Corvinade", "corvinade", false, false, true};
    windows.windows[4] = {"panel", "tint2", false, true};
    windows.windows[5] = {"Minimised", "app", true};
    windows.windows[6] = {"", "untitled"};
    engine.FormCreate();
    engine.SetMonitorHandler([this](const std::string& exe, const std::string& title, bool newWindow) {
      calls.push_back(exe + "|" + title + "|" + (newWindow ? "new" : "same"));
    });
  }
  Ports MakePorts() {
    Ports p;
    p.loop = &loop;
    p.ui = &ui;
    p.measure = &measure;
    p.windows = &windows;
    return p;
  }
  void Focus(WindowId w) {
    windows.foreground = w;
    loop.AdvanceBy(100);
  }

  testing::FakeEventLoop loop;
  testing::ScriptedUi ui;
  testing::FakeTextMeasure measure;
  testing::FakeWindows windows;
  Engine engine;
  std::vector<std::string> calls;
};

TEST_F(TargetTest, OutsideWindowsBecomeTheTarget) {
  EXPECT_EQ(engine.LastTarget(), 0u);
  EXPECT_EQ(engine.LastTargetTitle(), "Empty");
  Focus(1);
  EXPECT_EQ(engine.LastTarget(), 1u);
  EXPECT_EQ(engine.LastTargetTitle(), "Terminal");
  EXPECT_EQ(engine.LastTargetExe(), "xterm");
  Focus(2);
  EXPECT_EQ(engine.LastTarget(), 2u);
  EXPECT_EQ(calls, (std::vector<std::string>{"xterm|Terminal|new", "gedit|Editor - a.txt|new"}));
}

TEST_F(TargetTest, OwnWindowsDocksMinimisedAndNoWindowAreSkipped) {
  Focus(1);
  for (WindowId w : {3, 4, 5, 0}) {
    Focus(w);
    EXPECT_EQ(engine.LastTarget(), 1u) << w;
    EXPECT_EQ(engine.LastTargetTitle(), "Terminal");
  }
  EXPECT_EQ(calls.size(), 1u);
}

TEST_F(TargetTest, TitleChangesOfTheSameWindowAreFollowed) {
  Focus(2);
  windows.windows[2].title = "Editor - b.txt";
  loop.AdvanceBy(100);
  EXPECT_EQ(engine.LastTargetTitle(), "Editor - b.txt");
  windows.windows[2].title = "";  // an empty title keeps the last one
  loop.AdvanceBy(100);
  EXPECT_EQ(engine.LastTargetTitle(), "Editor - b.txt");
  EXPECT_EQ(calls.back(), "|Editor - b.txt|same");
  EXPECT_EQ(calls.size(), 2u);
  EXPECT_EQ(windows.exeLookups, 1);  // looked up once per window
}

TEST_F(TargetTest, AnUntitledWindowKeepsTheLastTitle) {
  Focus(1);
  Focus(6);
  EXPECT_EQ(engine.LastTarget(), 6u);
  EXPECT_EQ(engine.LastTargetTitle(), "Terminal");
  EXPECT_EQ(calls.back(), "untitled||new");
}

}  // namespace
}  // namespace cvd
