// A big data file shows its group first and reads the others on a thread of
// their own: nothing that reads them meanwhile may see them half read.
#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/stat.h>

#include <cstdio>
#include <ctime>
#include <functional>
#include <memory>

#include "core/data/DataFile.h"
#include "core/data/EarlyDataRead.h"
#include "core/data/ParallelDecipher.h"
#include "core/journal/ClipJournal.h"
#include "core/journal/JournaledDataStore.h"
#include "core/search/SearchScan.h"
#include "core/window/ButtonWindow.h"
#include "support/FakeEventLoop.h"
#include "support/FakeTextMeasure.h"
#include "support/SampleData.h"
#include "support/ScriptedUi.h"
#include "support/TempDir.h"

namespace cvd {
namespace {

constexpr int kGroups = 4;

// Groups of 1500 buttons (two runs each), every text ending in a word that
// names its place.
GroupTable BigTable() {
  GroupTable table;
  for (int g = 1; g <= kGroups; ++g) {
    TGroup group = test::SampleGroup("Group " + std::to_string(g), 700, 800, g);
    for (std::size_t b = 1; b < group.Buttons.size(); ++b) {
      group.Buttons.SetUsed(b, false);  // not stored
      group.Buttons.SetText(b, std::string(80, 'x') + " needle-" + std::to_string(g) + "-" + std::to_string(b));
    }
    group.Buttons.Set(0, TButton{});
    table.Groups.push_back(group);
    table.GroupList.push_back(group.Name);
  }
  return table;
}

class ReadAheadTest : public ::testing::Test {
 protected:
  ReadAheadTest() {
    written = BigTable();
    std::string error;
    EXPECT_TRUE(SaveData(written, dir.Path(), &error)) << error;
    original = dir.Read(kDataFileName);
    EXPECT_GE(original.size(), DeferredDecipher::kMinBytes);
  }
  // Loads with list position `shown` on screen; the other groups are then
  // still being read, whatever the thread has done by now.
  void Load(int shown) {
    store.ShowFirst(shown);
    store.LoadData(dir.Path(), LegacyDisplay{});
    ASSERT_TRUE(store.ReadingLate());
    for (int g = 1; g <= kGroups; ++g) ASSERT_EQ(table.Groups[g].Buttons.AwaitingStrings(), g != shown + 1) << g;
  }

  test::TempDir dir;
  GroupTable written;
  std::string original;
  GroupTable table;
  test::FakeEventLoop loop;
  test::ScriptedUi ui;
  test::FakeTextMeasure measure;
  JournaledDataStore store{table, "/prog/", ui, ui, loop};
};

TEST_F(ReadAheadTest, ASaveDuringTheReadWritesEveryGroupWhole) {
  for (int shown : {0, 2, 3}) {
    SCOPED_TRACE(shown);
    Load(shown);
    // The exit's save: the file is written again exactly as it was.
    std::string error;
    ASSERT_TRUE(store.SaveData(dir.Path(), error)) << error;
    EXPECT_EQ(dir.Read(kDataFileName), original);
    for (int g = 1; g <= kGroups; ++g) EXPECT_EQ(table.Groups[g], written.Groups[g]) << g;
    EXPECT_TRUE(ui.messages.empty());
  }
}

TEST_F(ReadAheadTest, AGroupSwitchAndASearchDuringTheReadSeeEveryButton) {
  const std::pair<const char*, std::function<void()>> cases[] = {
      {"group switch",
       [this] {
         ButtonWindow window(ui, ui, measure, table);
         window.GroupListChange(2);
         const std::vector<ButtonCell>& shown = ui.layouts.back().buttons;
         ASSERT_EQ(shown.size(), written.Groups[3].Buttons.size() - 1);
         for (std::size_t b = 1; b <= shown.size(); ++b)
           ASSERT_EQ(shown[b - 1].caption, written.Groups[3].Buttons.Name(b)) << b;
       }},
      {"search",
       [this] {
         SearchScan scan;
         scan.Begin("NEEDLE-", SearchOptions{}, 0);
         std::vector<SearchHit> hits;
         ASSERT_TRUE(scan.Step(table, hits, [] { return false; }));
         ASSERT_EQ(hits.size(), static_cast<std::size_t>(kGroups * 1500));
         EXPECT_EQ(hits.back().text, written.Groups[kGroups].Buttons.Text(1500));
       }},
  };
  for (const auto& [what, look] : cases) {
    SCOPED_TRACE(what);
    Load(0);
    look();
  }
}

// The data file's mark may still be being taken while the window comes up:
// the journal must neither lose a replay to that nor be opened without it.
TEST_F(ReadAheadTest, TheJournalIsOpenedWithTheMarkOfTheFileRead) {
  const std::string ours = JournalMarkLine(DataBytesMark(original));
  const std::string other = JournalMarkLine(DataBytesMark("another file"));
  const std::string clip = JournalEntryLine({JournalKind::Fill, "Group 2", "late clip", "late clip"});
  const struct {
    const char* what;
    std::string journal;  // empty: none
    int replayed;
    bool setAside;
  } cases[] = {
      {"no journal", "", 0, false},
      {"our mark only", ours, 0, false},
      {"another mark only", other, 0, false},
      {"our mark and a clip", ours + clip, 1, false},
      {"another mark and a clip", other + clip, 0, true},
  };
  const std::string journal = dir.Path() + kJournalFileName;
  const std::string aside = journal + kUnusedJournalSuffix;
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    std::remove(journal.c_str());
    std::remove(aside.c_str());
    std::string error;
    ASSERT_TRUE(SaveData(written, dir.Path(), &error)) << error;
    if (!c.journal.empty()) dir.Write(kJournalFileName, c.journal);
    store.ShowFirst(0);
    store.LoadData(dir.Path(), LegacyDisplay{});
    EXPECT_EQ(store.ReplayedAtLoad(), c.replayed);
    // The first clip's flush is the latest the journal may be opened.
    EXPECT_TRUE(store.Flush());
    const JournalReading reading = ReadJournal(journal, DataBytesMark(dir.Read(kDataFileName)));
    EXPECT_TRUE(reading.matched && reading.entries.empty());
    EXPECT_EQ(dir.Exists(std::string(kJournalFileName) + kUnusedJournalSuffix), c.setAside);
  }
}

// The file read while the windows are made is used only while it is still
// the file on disk: anything else would load what the disk no longer holds.
TEST_F(ReadAheadTest, AFileReadEarlyIsTakenOnlyWhileItIsUnchanged) {
  const std::string path = dir.File(kDataFileName);
  GroupTable changed = written;
  changed.Groups[2].Buttons.SetText(7, "changed");
  const struct {
    const char* what;
    std::function<void()> meanwhile;
    std::string asked;
    bool taken;
  } cases[] = {
      {"unchanged", [] {}, path, true},
      {"another file asked for", [] {}, dir.File("other.dat"), false},
      {"replaced by a save", [&] { ASSERT_TRUE(SaveData(changed, dir.Path(), nullptr)); }, path, false},
      {"written in place",
       [&] {
         const timespec later[2] = {{0, UTIME_OMIT}, {std::time(nullptr) + 60, 0}};
         ASSERT_EQ(utimensat(AT_FDCWD, path.c_str(), later, 0), 0);
       },
       path, false},
      {"removed", [&] { std::remove(path.c_str()); }, path, false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    dir.Write(kDataFileName, original);
    EarlyDataRead early([&path] { return path; });
    early.Wait();
    c.meanwhile();
    const EarlyDataRead::Taken taken = early.Take(c.asked);
    ASSERT_EQ(taken.file != nullptr, c.taken);
    if (c.taken) {
      EXPECT_EQ(taken.file->View(), original);
      EXPECT_NE(taken.layout, nullptr);
    }
  }
}

// The layout read ahead had no settings: a file that needs them for its
// display values is read again with them.
TEST_F(ReadAheadTest, ALoadFromAnEarlyReadGivesWhatTheFileHolds) {
  // The file up to its display settings: every group takes the legacy ones.
  const std::size_t throughColumns = 2 + kGroups * (2 + 5 + 3 * 1500 + 1) + 3 * kGroups;
  const std::vector<std::string> lines = test::Lines(original);
  ASSERT_GT(lines.size(), throughColumns);
  LegacyDisplay legacy;
  legacy.ButtonWidth = 123;
  const struct {
    const char* what;
    std::string bytes;
    int buttonWidth;  // 0: each group's own
  } cases[] = {
      {"a whole file", original, 0},
      {"a file without display settings", test::Join(lines, throughColumns), 123},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    dir.Write(kDataFileName, c.bytes);
    store.ReadEarly(std::make_shared<EarlyDataRead>([this] { return dir.File(kDataFileName); }));
    store.ShowFirst(1);
    store.LoadData(dir.Path(), legacy);
    store.TakeLateGroups();
    for (int g = 1; g <= kGroups; ++g) {
      const ButtonList& read = table.Groups[g].Buttons;
      ASSERT_EQ(read.size(), written.Groups[g].Buttons.size()) << g;
      for (std::size_t b = 1; b < read.size(); ++b) ASSERT_EQ(read.Text(b), written.Groups[g].Buttons.Text(b)) << g;
      EXPECT_EQ(table.Groups[g].ButtonWidth, c.buttonWidth ? c.buttonWidth : written.Groups[g].ButtonWidth) << g;
    }
    EXPECT_TRUE(ui.messages.empty());
  }
}

}  // namespace
}  // namespace cvd
