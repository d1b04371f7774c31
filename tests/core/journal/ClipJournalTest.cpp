#include <gtest/gtest.h>

#include <sys/stat.h>

#include <functional>

#include "core/data/AtomicFile.h"
#include "core/data/DataFile.h"
#include "core/journal/JournalReplay.h"
#include "core/journal/JournaledDataStore.h"
#include "core/util/FileBytes.h"
#include "support/FakeEventLoop.h"
#include "support/FaultyJournalFiles.h"
#include "support/RecordingLog.h"
#include "support/ScriptedUi.h"
#include "support/TempDir.h"

namespace cvd {
namespace {

std::string Caption(const std::string& text) { return "<" + text.substr(0, 4) + ">"; }
JournalEntry Fill(const std::string& t, const std::string& g = "clips") {
  return {JournalKind::Fill, g, Caption(t), t};
}
JournalEntry Shift(const std::string& text) { return {JournalKind::Shift, "clips", Caption(text), text}; }

GroupTable Table(int fillMode, int copyDups, const std::vector<std::string>& clips) {
  GroupTable table;
  TGroup& g = table.Groups[table.AddGroup("Clips", "/x/")];
  g.FillMode = fillMode;
  g.CopyDups = copyDups;
  SetNewNumClipButtons(g, 3);
  for (std::size_t b = 0; b < clips.size(); ++b) g.Buttons.SetText(b + 1, clips[b]);
  return table;
}

std::vector<std::string> Texts(const TGroup& g) {
  std::vector<std::string> texts;
  for (int b = 1; b <= g.NumClipButtons; ++b) texts.push_back(g.Buttons[b].Text);
  return texts;
}

TEST(JournalReplay, AppliesEntriesInOrderThroughTheFillRules) {
  const struct {
    const char* name;
    int fillMode, copyDups;
    std::vector<std::string> before;
    std::vector<JournalEntry> entries;
    std::vector<std::string> after;
    int applied;
  } cases[] = {
      {"newest on top", 1, cdCopy, {}, {Fill("a"), Fill("b"), Fill("c"), Fill("d")}, {"d", "c", "b"}, 4},
      {"newest at the bottom", 2, cdCopy, {}, {Fill("a"), Fill("b")}, {"", "a", "b"}, 2},
      {"duplicate not copied", 1, cdDontCopy, {"a", "x", ""}, {Fill("a")}, {"a", "x", ""}, 0},
      {"duplicate moved", 1, cdMove, {"x", "a", ""}, {Fill("a")}, {"a", "x", ""}, 1},
      {"split clips take no policy", 1, cdDontCopy, {"a", "", ""}, {Shift("a")}, {"a", "a", ""}, 1},
      {"unknown group dropped", 1, cdCopy, {}, {Fill("a", "Gone"), Fill("b")}, {"b", "", ""}, 1},
  };
  for (const auto& c : cases) {
    GroupTable table = Table(c.fillMode, c.copyDups, c.before);
    EXPECT_EQ(ReplayJournal(table, c.entries), c.applied) << c.name;
    EXPECT_EQ(Texts(table.Groups[1]), c.after) << c.name;
  }
}

TEST(JournalReplay, RecordedClipsRebuildTheButtonsOnScreen) {
  for (const int fillMode : {1, 2}) {
    GroupTable saved = Table(fillMode, cdMove, {"x", "a", ""});
    GroupTable screen = saved;
    TGroup& g = screen.Groups[1];
    std::vector<JournalEntry> journal = FillEntries(g, "a", FillClip(g, "a", Caption));
    const std::vector<JournalEntry> split = ShiftedEntries(g, ShiftInNewClips(g, {"1", "2", "3", "4"}, Caption));
    journal.insert(journal.end(), split.begin(), split.end());
    ReplayJournal(saved, journal);
    EXPECT_EQ(saved.Groups[1], g) << fillMode;
  }
}

TEST(ClipJournal, EntriesComeBackExactlyAndEnciphered) {
  test::TempDir tmp;
  const std::vector<JournalEntry> entries = {Fill("two\r\nlines\r\n"), Fill("a, b; c"), Shift("Grüße \t✓"), Fill(""),
                                             Fill(std::string(1 << 20, 'x') + "\xff end")};
  ClipJournal journal;
  ASSERT_TRUE(journal.Reset(tmp.File("j"), "m"));
  ASSERT_TRUE(journal.Append({entries[0], entries[1]}));
  for (std::size_t i = 2; i < entries.size(); ++i) ASSERT_TRUE(journal.Append(entries[i]));
  EXPECT_EQ(ReadJournal(tmp.File("j"), "m").entries, entries);
  EXPECT_EQ(tmp.Read("j").find("lines"), std::string::npos);
}

TEST(ClipJournal, DamagedLinesAreSkippedAndAppendingGoesOn) {
  const struct {
    const char* name;
    std::function<std::string(std::string)> damage;
    std::size_t entries, damaged;
  } cases[] = {
      {"last line cut short", [](std::string s) { return s.substr(0, s.size() - 9); }, 2, 1},
      {"only the last line break lost", [](std::string s) { return s.substr(0, s.size() - 2); }, 3, 0},
      {"a byte changed in the middle", [](std::string s) { return s.replace(s.find("\n") + 5, 1, "%"); }, 2, 1},
      {"garbage at the end", [](std::string s) { return s + "F x y\r\n\x01\x02"; }, 3, 2},
  };
  for (const auto& c : cases) {
    test::TempDir tmp;
    ClipJournal journal;
    ASSERT_TRUE(journal.Reset(tmp.File("j"), "m"));
    ASSERT_TRUE(journal.Append({Fill("a"), Fill("b"), Fill("c")}));
    tmp.Write("j", c.damage(tmp.Read("j")));
    JournalReading reading = ReadJournal(tmp.File("j"), "m");
    EXPECT_EQ(reading.entries.size(), c.entries) << c.name;
    EXPECT_EQ(reading.damagedLines, c.damaged) << c.name;
    ASSERT_TRUE(journal.Reopen(tmp.File("j"), reading.endsWithLineBreak));
    ASSERT_TRUE(journal.Append(Fill("new")));
    reading = ReadJournal(tmp.File("j"), "m");
    ASSERT_EQ(reading.entries.size(), c.entries + 1) << c.name;
    EXPECT_EQ(reading.entries.back(), Fill("new")) << c.name;
  }
}

// A data folder whose store has saved once, with a group that copies
// duplicates, so that a clip replayed twice would show twice. A big one
// takes the loader's path for big files (read into mapped memory, its mark
// made on another thread).
struct Folder {
  explicit Folder(bool big = false, JournalFiles& files = SystemJournalFiles())
      : store{table, tmp.Sub("prog"), ui, ui, loop, files} {
    store.LoadData(dir, LegacyDisplay{});
    if (big) {
      TGroup& other = table.Groups[table.AddGroup("Big", "")];
      other.NumPermButtons = 5000;
      other.ResizeButtons();
      for (int b = 1; b <= other.TotalButtons(); ++b) other.Buttons.SetText(b, std::string(150, 'x'));
    }
    table.Current().CopyDups = cdCopy;
    std::string error;
    EXPECT_TRUE(store.SaveData(dir, error));
  }
  bool Record(const std::string& text) {
    return store.RecordFill(table.Current(), text, FillClip(table.Current(), text, Caption));
  }
  // The clips a fresh start of the program shows; what it told goes to
  // `restartUi`.
  std::vector<std::string> Restart(JournalFiles& files = SystemJournalFiles()) {
    GroupTable after;
    JournaledDataStore next(after, tmp.Sub("prog"), restartUi, restartUi, loop, files);
    next.LoadData(dir, LegacyDisplay{});
    return Texts(after.Current());
  }
  test::TempDir tmp;
  test::ScriptedUi ui;
  test::ScriptedUi restartUi;
  test::FakeEventLoop loop;
  std::string dir = tmp.Sub("data");
  GroupTable table;
  JournaledDataStore store;
};

TEST(JournaledDataStore, ACrashAnywhereInASaveNeitherLosesNorDoublesAClip) {
  const struct {
    const char* name;
    bool marked, saved;
  } cases[] = {
      {"before the save", false, false}, {"after the mark", true, false}, {"before the fresh journal", true, true}};
  for (const auto& c : cases) {
    for (const bool big : {false, true}) {
      Folder f(big);
      ASSERT_EQ(WriteDataFile(f.table).size() >= FileBytes::kMapFrom, big);
      for (const std::string text : {"a", "b", "a"}) ASSERT_TRUE(f.Record(text));
      const std::string bytes = WriteDataFile(f.table);
      ClipJournal crashed;
      ASSERT_TRUE(crashed.Reopen(f.store.JournalPath(), true));
      EXPECT_TRUE(!c.marked || crashed.Mark(DataBytesMark(bytes)));
      EXPECT_TRUE(!c.saved || WriteFileAtomically(f.dir + kDataFileName, bytes, nullptr));
      for (int start = 1; start <= 2; ++start) {
        EXPECT_EQ(f.Restart(), Texts(f.table.Current())) << c.name << start << big;
      }
    }
  }
}

TEST(JournaledDataStore, AJournalOfOtherDataIsSetAsideUnread) {
  for (const bool restore : {false, true}) {
    for (const bool big : {false, true}) {
      Folder f(big);
      const std::string bytes = WriteDataFile(f.table);
      ASSERT_TRUE(f.Record("new"));
      // A restore of the very bytes the journal extends, or a file written
      // by a build that knows no journal.
      if (restore) DiscardClipJournal(f.dir);
      f.table.Current().Buttons.SetText(1, "older build");
      ASSERT_TRUE(WriteFileAtomically(f.dir + kDataFileName, restore ? bytes : WriteDataFile(f.table), nullptr));
      EXPECT_NE(f.Restart()[0], "new") << restore << big;
      EXPECT_TRUE(f.tmp.Exists("data/corvinade.jnl.unused")) << restore << big;
    }
  }
}

TEST(JournaledDataStore, ClipsTheDiskRefusesAreToldOnceKeptAndJournalledWhenItTakesThem) {
  const struct {
    const char* name;
    std::function<void(test::FaultyJournalFiles&)> fault;
    bool atStart;         // the journal cannot be opened from the start
    bool retriedByClock;  // else by the next clip
  } cases[] = {
      {"full disk", [](test::FaultyJournalFiles& f) { f.room = 0; }, false, true},
      {"a few bytes left", [](test::FaultyJournalFiles& f) { f.room = 40; }, false, false},
      {"journal cannot be opened", [](test::FaultyJournalFiles& f) { f.refuseWrite = true; }, true, true},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    test::RecordingLog log;
    test::FaultyJournalFiles files;
    Folder f(false, files);
    ASSERT_TRUE(f.Record("safe"));
    c.fault(files);
    if (c.atStart) f.store.LoadData(f.dir, LegacyDisplay{});
    for (const std::string text : {"a", "b", "c"}) EXPECT_FALSE(f.Record(text));
    EXPECT_EQ(f.ui.balloons.size(), 1u);
    EXPECT_EQ(log.Warnings("journal"), 1);
    EXPECT_EQ(f.store.Unjournalled(), 3u);

    files.Heal();
    if (c.retriedByClock) {
      f.loop.AdvanceBy(kJournalRetryMs);
    } else {
      EXPECT_TRUE(f.Record("d"));
    }
    EXPECT_EQ(f.store.Unjournalled(), 0u);
    // A crash now: every clip comes back once, from a journal read whole.
    EXPECT_EQ(f.Restart(), Texts(f.table.Current()));
    EXPECT_TRUE(f.restartUi.messages.empty());
    struct stat info {};
    ASSERT_EQ(::stat(f.store.JournalPath().c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 07777, kJournalMode);

    // A second outage is told again.
    files.room = 0;
    EXPECT_FALSE(f.Record("e"));
    EXPECT_EQ(f.ui.balloons.size(), 2u);
  }
}

TEST(JournaledDataStore, AJournalThatCannotBeReadIsKeptAsideAndTold) {
  const std::string damagedCopy = "data/corvinade.jnl.damaged";
  const struct {
    const char* name;
    std::function<void(test::FaultyJournalFiles&, std::string&)> damage;
    std::vector<std::string> clipsBack;  // of a, b, c
    bool told;
    int warnings;
  } cases[] = {
      {"cannot be opened",
       [](test::FaultyJournalFiles& f, std::string&) { f.refuseRead = true; },
       {"", "", ""},
       true,
       1},
      {"read error", [](test::FaultyJournalFiles& f, std::string&) { f.readFails = true; }, {"", "", ""}, true, 1},
      {"a clip line damaged",
       [](test::FaultyJournalFiles&, std::string& s) { s[s.find("\nF ") + 5] ^= 1; },
       {"c", "b", ""},
       true,
       1},
      {"the mark line damaged",
       [](test::FaultyJournalFiles&, std::string& s) { s[4] ^= 1; },
       {"c", "b", "a"},
       false,
       1},
      {"the last line cut short",
       [](test::FaultyJournalFiles&, std::string& s) { s.resize(s.size() - 9); },
       {"b", "a", ""},
       false,
       0},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    test::RecordingLog log;
    Folder f;
    for (const std::string text : {"a", "b", "c"}) ASSERT_TRUE(f.Record(text));
    std::string bytes = f.tmp.Read("data/corvinade.jnl");
    test::FaultyJournalFiles files;
    c.damage(files, bytes);
    f.tmp.Write("data/corvinade.jnl", bytes);
    // What a user may have done to it (root reads it all the same: the
    // fault stands in).
    if (files.refuseRead) ::chmod(f.store.JournalPath().c_str(), 0);

    std::vector<std::string> back = f.Restart(files);
    back.resize(3);
    EXPECT_EQ(back, c.clipsBack);
    EXPECT_EQ(f.restartUi.messages.size(), c.told ? 1u : 0u);
    ASSERT_EQ(f.tmp.Exists(damagedCopy), c.told);
    if (c.told) {
      ::chmod(f.tmp.File(damagedCopy).c_str(), 0600);
      EXPECT_EQ(f.tmp.Read(damagedCopy), bytes);
    }
    EXPECT_EQ(log.Warnings("journal"), c.warnings);
    // The journal starts afresh with its own mode.
    struct stat info {};
    ASSERT_EQ(::stat(f.store.JournalPath().c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 07777, kJournalMode);
  }
}

}  // namespace
}  // namespace cvd
