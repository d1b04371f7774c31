// The read pass of the shared clipboard file, on real files in virtual time.
#include "core/share/ShareSync.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <functional>

#include "core/clipboard/ClipFill.h"
#include "support/FakeEventLoop.h"
#include "support/FakeFolderWatch.h"
#include "support/FakeShell.h"
#include "support/ScriptedUi.h"
#include "support/TempDir.h"

namespace cvd {
namespace {

using Texts = std::vector<std::string>;
const auto L = &MakeShareLine;

class ShareSyncTest : public ::testing::Test {
 protected:
  ShareSyncTest() {
    dirs.ShareDir = dir.Path();
    settings.ShareClipboard = settings.ShowShareMsg = true;
    for (const char* name : {"Work", "Home"}) table.Groups[table.AddGroup(name, "")].PlaySound = true;
    sync.SetComputerName("me");
    sync.Start();
  }
  std::string Path() const { return ShareFilePath(dirs.ShareDir); }
  void Add(const std::string& group, const std::string& text) {
    ASSERT_TRUE(AppendShareLine(Path(), L("peer", group, text), nullptr));
  }
  // The filled clip buttons of group `g`, top first.
  Texts Clips(int g) const {
    Texts out;
    for (int b = 1; b <= 5; ++b)
      if (!table.Groups[g].Buttons[b].Text.empty()) out.push_back(table.Groups[g].Buttons[b].Text);
    return out;
  }
  void Notify() { watch.Change(), loop.AdvanceBy(kShareTimerMs); }
  // Empty clips and file, as at the start.
  void Reset() {
    for (int g : {1, 2})
      for (int b = 1; b <= 5; ++b) table.Groups[g].Buttons.Set(b, EmptyClipButton());
    shell.sounds.clear(), ui.balloons.clear(), displays = 0, settings.ShareLine = 0;
    std::remove(Path().c_str());
    loop.AdvanceBy(kSharePollMs);  // the pass that finds no file forgets the old one
  }

  test::TempDir dir;
  Directories dirs;
  Settings settings;
  GroupTable table;
  test::FakeEventLoop loop;
  test::ScriptedUi ui;
  test::FakeShell shell;
  test::FakeFolderWatch watch;
  bool editor = false, pasting = false;
  int displays = 0, filled = 0, passesDone = 0;
  ShareHooks Hooks() {
    return ShareHooks{.editorShowing = [this] { return editor; },
                      .pasting = [this] { return pasting; },
                      .makeCaption = [](const std::string& t) { return t; },
                      .display = [this] { ++displays; },
                      .filled = [this](const TGroup&, const std::string&, std::optional<FillResult>) { ++filled; },
                      .passDone = [this] { ++passesDone; }};
  }
  ShareSync sync{table, settings, dirs, loop, ui, ui, shell, watch, Hooks()};
};

TEST_F(ShareSyncTest, ReadPassTakesLinesOfOthersIntoGroupsOfTheSameName) {
  const std::string w = L("peer", "work", "w");  // group names fold case
  // What, the file, the group's duplicates policy; the clips of Work and Home, sounds, notices, redraws.
  const std::tuple<const char*, std::string, int, Texts, Texts, std::size_t, std::size_t, int> cases[] = {
      {"own lines, unknown groups and damaged lines are passed over",
       L("me", "Work", "mine") + L("peer", "Nowhere", "x") + "a,b\r\n\r\n" + w,
       0,
       {"w"},
       {},
       1,
       1,
       1},
      {"five lines: one sound, one notice",
       w + L("p", "Work", "2") + L("p", "Work", "3") + L("p", "Work", "4") + L("p", "Work", "5"),
       0,
       {"5", "4", "3", "2", "w"},
       {},
       1,
       1,
       1},
      {"don't copy keeps out a duplicate", w + w, 0, {"w"}, {}, 1, 1, 1},
      {"other policies add it again", w + w, cdMove, {"w", "w"}, {}, 1, 1, 1},
      {"another group: no sound, no redraw", L("peer", "Home", "h"), 0, {}, {"h"}, 0, 1, 0},
  };
  for (const auto& [what, file, copyDups, work, home, sounds, balloons, redraws] : cases) {
    SCOPED_TRACE(what);
    table.Groups[1].CopyDups = copyDups;
    dir.Write(kShareFileName, file);
    Notify();
    EXPECT_EQ(Clips(1), work);
    EXPECT_EQ(Clips(2), home);
    EXPECT_EQ(shell.sounds.size(), sounds);
    EXPECT_EQ(ui.balloons.size(), balloons);
    EXPECT_EQ(displays, redraws);
    EXPECT_EQ(settings.ShareLine, GetShareFileLines(Path()));
    Reset();
  }
}

TEST_F(ShareSyncTest, ABurstIsTakenInSlicesWithOneJournalFlushEach) {
  table.Groups[1].CopyDups = cdMove;  // every line a new clip
  std::string burst;
  for (int i = 0; i < 2500; ++i) burst += L("peer", "Work", std::to_string(i));
  dir.Write(kShareFileName, burst);
  Notify();
  // The first slice; the window answers before the next.
  EXPECT_EQ(filled, 1000);
  EXPECT_EQ(passesDone, 1);
  EXPECT_EQ(displays, 1);
  loop.AdvanceBy(kShareTimerMs);
  EXPECT_EQ(filled, 2500);
  EXPECT_EQ(passesDone, 3);
  EXPECT_EQ(Clips(1).front(), "2499");
  EXPECT_EQ(settings.ShareLine, 2500);
  EXPECT_EQ(shell.sounds.size(), 1u);
  EXPECT_EQ(ui.balloons.size(), 1u);
}

// The check for writes the folder's notices may miss wakes the program
// every second: only while sharing is on and the notices are not enough.
TEST_F(ShareSyncTest, TheFileIsCheckedOnlyWhenSharingIsOnAndNoticesMayMissWrites) {
  const std::tuple<const char*, bool, bool, bool> cases[] = {
      // sharing on, notices tell every write, checked
      {"sharing off", false, false, false},
      {"network folder", true, false, true},
      {"local folder", true, true, false},
  };
  for (const auto& [what, on, notices, checked] : cases) {
    SCOPED_TRACE(what);
    sync.Stop();
    settings.ShareClipboard = on;
    watch.reportsEveryChange = notices;
    sync.Start();
    EXPECT_EQ(sync.Checking(), checked);
    EXPECT_EQ(loop.RepeatingTimersWithin(kSharePollMs), checked ? 1 : 0);
    // Turned on or off in the settings.
    settings.ShareClipboard = !on;
    sync.OptionsChanged();
    EXPECT_EQ(sync.Checking(), !on && !notices);
  }
  // A local folder's notices still bring the lines in.
  Add("Work", "noticed");
  settings.ShareClipboard = true;
  Notify();
  EXPECT_EQ(Clips(1), Texts{"noticed"});
}

TEST_F(ShareSyncTest, ADeferredPassReadsItsLinesOnceTheHoldEnds) {
  const std::tuple<const char*, std::function<void(bool)>, int> cases[] = {
      // what holds, read after
      {"own write",
       [this](bool on) {
         if (on) sync.ShareClip(table.Groups[1], "mine");
       },
       kSharePollMs},
      {"editor open", [this](bool on) { editor = on; }, kSharePollMs},
      {"paste running", [this](bool on) { pasting = on; }, kShareTimerMs},
  };
  table.Groups[1].Shared = true;
  for (const auto& [what, hold, readAfterMs] : cases) {
    hold(true);
    Add("Work", what);
    Notify();
    EXPECT_NE(table.Groups[1].Buttons[1].Text, what);
    hold(false);
    loop.AdvanceBy(readAfterMs);
    EXPECT_EQ(table.Groups[1].Buttons[1].Text, what);
  }
  EXPECT_EQ(Clips(1), (Texts{"paste running", "editor open", "own write"}));  // each once, "mine" never
}

TEST_F(ShareSyncTest, AFileThatWasCutIsReadFromItsStart) {
  // Both cuts leave more lines than were read before, in fewer bytes.
  const std::string first = L("peer", "Home", "a");
  const std::tuple<const char*, std::function<void()>, Texts> cases[] = {
      {"replaced by the next append", [this] { Add("Work", "1"); }, {"5", "4", "3", "2", "1"}},
      {"emptied in place, same first line",
       [&] { std::ofstream(Path(), std::ios::trunc) << first; },
       {"5", "4", "3", "2"}},
  };
  for (const auto& [what, cut, work] : cases) {
    SCOPED_TRACE(what);
    dir.Write(kShareFileName, first);
    for (const char* t : {"1", "2", "3"}) Add("Home", std::string(14000, 'x') + t);  // past the limit
    Notify();
    ASSERT_EQ(settings.ShareLine, 4);
    cut();
    for (const char* t : {"2", "3", "4", "5"}) Add("Work", t);
    Notify();
    EXPECT_EQ(Clips(1), work);
    EXPECT_EQ(settings.ShareLine, 5);
    Reset();
  }
}

TEST_F(ShareSyncTest, StartUpSkipsOldLinesUnlessTheyAreToBeLoaded) {
  sync.Stop();
  for (bool load : {false, true}) {
    std::remove(Path().c_str());
    Add("Home", "old");
    settings.ShareLine = load ? 0 : CountShareFileLines(dirs.ShareDir);
    ShareSync fresh(table, settings, dirs, loop, ui, ui, shell, watch, Hooks());
    fresh.Start();
    Add("Home", load ? "new2" : "new1");
    loop.AdvanceBy(kSharePollMs + kShareTimerMs);
  }
  EXPECT_EQ(Clips(2), (Texts{"new2", "old", "new1"}));
}

TEST_F(ShareSyncTest, ALineStillBeingWrittenWaitsForItsEnd) {
  table.Groups[1].CopyDups = cdCopy;  // a line read twice would show twice
  const std::string late = L("peer", "Work", "late");
  dir.Write(kShareFileName, L("peer", "Work", "early") + late.substr(0, 20));
  Notify();
  std::ofstream(Path(), std::ios::app) << late.substr(20);
  Notify();
  EXPECT_EQ(Clips(1), (Texts{"late", "early"}));
}

TEST_F(ShareSyncTest, AnUnreachableFolderIsReportedOncePerOutage) {
  dirs.ShareDir = dir.Path() + "gone/";
  sync.ShareDirChanged();
  table.Groups[1].Shared = true;
  sync.ShareClip(table.Groups[1], "lost");
  loop.AdvanceBy(5 * kSharePollMs);
  EXPECT_EQ(ui.messages.size(), 1u);
  dir.Sub("gone");
  Add("Work", "back");
  loop.AdvanceBy(kSharePollMs + kShareTimerMs);
  EXPECT_EQ(Clips(1), Texts{"back"});
  std::filesystem::remove_all(dirs.ShareDir);
  loop.AdvanceBy(5 * kSharePollMs);
  EXPECT_EQ(ui.messages.size(), 2u);
}

}  // namespace
}  // namespace cvd
