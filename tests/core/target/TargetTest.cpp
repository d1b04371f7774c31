// Target tracking: which windows become the paste target, and the notices
// that group monitoring gets.
#include <gtest/gtest.h>

#include "core/target/TargetTracker.h"
#include "support/FakeWindows.h"

namespace cvd {
namespace {

class TargetTest : public ::testing::Test {
 protected:
  TargetTest() {
    windows.windows[1] = {"Terminal", "xterm"};
    windows.windows[2] = {"Editor - a.txt", "gedit"};
    windows.windows[3] = {"Corvinade", "corvinade", false, true};
    windows.windows[5] = {"Minimised", "app", true};
    windows.windows[6] = {"", "untitled"};
    tracker.SetMonitorHandler([this](const std::string& exe, const std::string& title, bool newWindow) {
      calls.push_back(exe + "|" + title + "|" + (newWindow ? "new" : "same"));
    });
  }
  void Focus(WindowId w) {
    windows.foreground = w;
    tracker.TrackTarget();
  }
  test::FakeWindows windows;
  TargetTracker tracker{windows};
  std::vector<std::string> calls;
};

TEST_F(TargetTest, OutsideWindowsBecomeTheTarget) {
  EXPECT_EQ(tracker.LastTarget(), 0u);
  EXPECT_EQ(tracker.LastTargetTitle(), "Empty");
  Focus(1);
  EXPECT_EQ(tracker.LastTarget(), 1u);
  EXPECT_EQ(tracker.LastTargetExe(), "xterm");
  // Our own windows, minimised windows and no window are skipped.
  for (WindowId w : {3, 5, 0}) Focus(w);
  EXPECT_EQ(tracker.LastTarget(), 1u);
  EXPECT_EQ(tracker.LastTargetTitle(), "Terminal");
  Focus(2);
  EXPECT_EQ(tracker.LastTarget(), 2u);
  EXPECT_EQ(calls, (std::vector<std::string>{"xterm|Terminal|new", "gedit|Editor - a.txt|new"}));
}

TEST_F(TargetTest, TitlesAreFollowedAndAnEmptyTitleKeepsTheLastOne) {
  Focus(2);
  windows.windows[2].title = "Editor - b.txt";
  tracker.TrackTarget();
  EXPECT_EQ(tracker.LastTargetTitle(), "Editor - b.txt");
  EXPECT_EQ(calls.back(), "|Editor - b.txt|same");
  windows.windows[2].title = "";
  tracker.TrackTarget();
  EXPECT_EQ(calls.size(), 2u);
  EXPECT_EQ(windows.exeLookups, 1);  // looked up once per window
  Focus(6);                          // an untitled new window
  EXPECT_EQ(tracker.LastTarget(), 6u);
  EXPECT_EQ(tracker.LastTargetTitle(), "Editor - b.txt");
  EXPECT_EQ(calls.back(), "untitled||new");
}

}  // namespace
}  // namespace cvd
