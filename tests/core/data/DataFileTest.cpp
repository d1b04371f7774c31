#include "core/data/DataFile.h"
#include "core/settings/DataFileStore.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <tuple>

#include "core/data/Cipher.h"
#include "support/SampleData.h"
#include "support/ScriptedUi.h"
#include "support/TempDir.h"

namespace cvd {
namespace {

using test::Join;
using test::Lines;
using test::SampleGroup;
using test::WithLine;

// Three groups whose list order differs from their table order.
GroupTable SampleTable() {
  GroupTable table;
  table.Groups.push_back(SampleGroup("Alpha", 2, 1, 1));
  table.Groups.push_back(SampleGroup("Beta", 0, 3, 2));
  table.Groups.push_back(SampleGroup("Gamma", 4, 0, 3));
  table.GroupList = {"gamma", "Alpha", "BETA"};
  return table;
}

TEST(DataFile, WritesTheLayoutLineByLine) {
  GroupTable table;
  TGroup g = NewGroupDefaults("G", "/prog/");
  g.NumClipButtons = 1, g.NumPermButtons = 1;
  g.ResizeButtons();
  g.Buttons.Set(1, TButton{"clip", "", "a\r\nb\tc", true, clBlack, clBtnFace});
  g.Buttons.Set(2, TButton{"perm", "hint", "", false, clRed, 0x00FF00});
  g.MonitorApplication = "app", g.MonitorWindow = "win";
  g.WindowLeft = -5, g.WindowTop = 7, g.RememberPos = true, g.Shared = true, g.NumColumns = 3, g.FillMode = 2;
  g.PlaySound = true, g.SoundFile = "/snd.wav", g.FontName = "Sans", g.FontSize = 11, g.FontStyle = fsItalic;
  g.CopyDups = 3, g.TrackUsed = false, g.HintType = 3, g.PasteDelay = 250;
  table.Groups.push_back(g);
  table.GroupList = {"G"};

  const std::vector<std::string> expected = {
      Encrypt("Corvinade Data File"), "1",
      // block A
      Encrypt("G"), Encrypt("app"), "1", "1", "-5", "7", "TRUE", Encrypt("clip"), "",
      Encrypt("a\xFF"
              "b\xFE"
              "c"),
      Encrypt("perm"), Encrypt("hint"), "", Encrypt("--Group separator--"), Encrypt("win"), Encrypt("Shared"),  // B
      Encrypt("3"),                                                                                             // C
      Encrypt("90"), Encrypt("20"), Encrypt("2"), "TRUE", Encrypt("/snd.wav"), Encrypt("Sans"), Encrypt("11"), "TRUE",
      "FALSE", "MARK", "FALSE", "TRUE", Encrypt("3"),  // D
      "0", "250",                                      // E
      "0", "-2147483633", "255", "65280",              // F
  };
  EXPECT_EQ(WriteDataFile(table), Join(expected, expected.size()));
}

TEST(DataFile, ReadsBackWhatItWroteInListOrder) {
  const GroupTable table = SampleTable();
  const DataFileContents read = ReadDataFile(WriteDataFile(table), LegacyDisplay{});
  EXPECT_EQ(read.table.GroupList, (std::vector<std::string>{"Gamma", "Alpha", "Beta"}));
  ASSERT_EQ(read.table.GroupCount(), 3);
  const int order[] = {3, 1, 2};
  for (int g = 1; g <= 3; ++g) {
    TGroup expected = table.Groups[order[g - 1]];
    for (std::size_t b = 0; b < expected.Buttons.size(); ++b) expected.Buttons.SetUsed(b, false);
    expected.Buttons.Set(0, TButton{});
    EXPECT_EQ(read.table.Groups[g], expected) << expected.Name;
  }
}

TEST(DataFile, MissingTrailingBlocksGetTheirDefaults) {
  GroupTable table;
  table.Groups.push_back(SampleGroup("Only", 2, 2, 1));
  table.GroupList = {"Only"};
  const TGroup& original = table.Groups[1];
  const std::vector<std::string> lines = Lines(WriteDataFile(table));
  LegacyDisplay legacy;
  legacy.ButtonWidth = 150, legacy.CopyDups = 2;

  const std::size_t afterA = 2 + 8 + 3 * 4;
  const std::size_t blockEnds[] = {afterA, afterA + 2, afterA + 3, afterA + 16, afterA + 18};
  for (int blocks = 0; blocks < 5; ++blocks) {
    SCOPED_TRACE("blocks after A: " + std::to_string(blocks));
    const DataFileContents read = ReadDataFile(Join(lines, blockEnds[blocks]), legacy);
    ASSERT_EQ(read.status, DataFileStatus::Ok);
    const TGroup& g = read.table.Groups[1];
    EXPECT_EQ(g.MonitorWindow, blocks >= 1 ? original.MonitorWindow : "");
    EXPECT_EQ(g.Shared, blocks >= 1 && original.Shared);
    EXPECT_EQ(g.NumColumns, blocks >= 2 ? original.NumColumns : 1);
    EXPECT_EQ(g.ButtonWidth, blocks >= 3 ? original.ButtonWidth : 150);
    EXPECT_EQ(g.CopyDups, blocks >= 3 ? original.CopyDups : 2);
    EXPECT_EQ(g.PasteDelay, blocks >= 4 ? original.PasteDelay : 100);
    // Block F is always missing here: red permanent, black clip captions.
    EXPECT_EQ(g.Buttons[2].FontColor, clBlack);
    EXPECT_EQ(g.Buttons[3].FontColor, clRed);
    EXPECT_EQ(g.Buttons[3].Color, clBtnFace);
  }
}

TEST(DataFile, ToleratesSkippedLinesAndForgivingNumbers) {
  GroupTable table = SampleTable();
  const std::string bytes = WriteDataFile(table);
  // Extra lines before the first separator (line 2 + 7 + 3 * 4 + 1).
  std::vector<std::string> lines = Lines(bytes);
  lines.insert(lines.begin() + 21, {Encrypt("from a newer writer"), "12", ""});
  const DataFileContents skipped = ReadDataFile(Join(lines, lines.size()), LegacyDisplay{});
  ASSERT_EQ(skipped.status, DataFileStatus::Ok);
  EXPECT_EQ(skipped.table.Groups, ReadDataFile(bytes, LegacyDisplay{}).table.Groups);

  // Blocks E and F keep a field whose line is not a number.
  const std::size_t last = Lines(bytes).size();
  const DataFileContents forgiving = ReadDataFile(WithLine(WithLine(bytes, last, "x"), last - 1, ""), LegacyDisplay{});
  ASSERT_EQ(forgiving.status, DataFileStatus::Ok);
  const TButton& button = forgiving.table.Groups[3].Buttons[3];
  EXPECT_EQ(std::pair(button.FontColor, button.Color), std::pair(clRed, clBtnFace));
}

TEST(DataFile, UnreadableNumbersAndAbsurdCountsAreRejected) {
  GroupTable table;
  table.Groups.push_back(SampleGroup("Only", 1, 1, 1));
  table.GroupList = {"Only"};
  const std::string bytes = WriteDataFile(table);
  const std::size_t afterA = 2 + 8 + 3 * 2;
  const std::pair<std::size_t, std::string> cases[] = {
      {2, "abc"},
      {2, "2000000000"},
      {2, "0"},  // group count
      {5, "-1"},
      {6, "100001"},                  // button counts
      {7, "1.5"},                     // window left
      {afterA + 3, Encrypt("wide")},  // block C
      {afterA + 4, Encrypt("")},      // block D
  };
  for (const auto& [line, text] : cases) {
    const DataFileContents read = ReadDataFile(WithLine(bytes, line, text), LegacyDisplay{});
    EXPECT_EQ(read.status, DataFileStatus::Unreadable) << line;
    EXPECT_EQ(read.errorLine, line);
    EXPECT_EQ(read.table.GroupCount(), 0);
  }
  EXPECT_EQ(ReadDataFile(WithLine(bytes, 1, Encrypt("Corvinade Group File")), LegacyDisplay{}).status,
            DataFileStatus::WrongHeader);
}

class LoadDataTest : public ::testing::Test {
 protected:
  DataLoadResult Load() { return LoadData(table, dir.Path(), "/prog/", LegacyDisplay{}, ui); }
  void ExpectDefaultTable() {
    ASSERT_EQ(table.GroupCount(), 1);
    EXPECT_EQ(table.GroupList, std::vector<std::string>{"Default"});
    EXPECT_EQ(table.Groups[1], NewGroupDefaults("Default", "/prog/"));
  }
  test::TempDir dir;
  test::ScriptedUi ui;
  GroupTable table = SampleTable();
};

TEST_F(LoadDataTest, NoFileGivesTheDefaultGroupSilentlyAnUnreadableOneWithAMessage) {
  EXPECT_EQ(Load().status, DataLoadStatus::NoFile);
  ExpectDefaultTable();
  EXPECT_TRUE(ui.messages.empty());
  std::filesystem::create_directory(dir.File("corvinade.dat"));
  table = SampleTable();
  const DataLoadResult result = Load();
  EXPECT_EQ(result.status, DataLoadStatus::Damaged);
  EXPECT_EQ(result.damagedCopy, "");
  ExpectDefaultTable();
  EXPECT_EQ(ui.messages.size(), 1u);
}

TEST_F(LoadDataTest, GroupWithoutSeparatorIsReportedAndKept) {
  // The file ends in the middle of the last group's buttons.
  const std::vector<std::string> lines = Lines(WriteDataFile(table));
  const std::size_t lastGroupStart = 2 + (8 + 3 * 4) + (8 + 3 * 3);
  dir.Write("corvinade.dat", Join(lines, lastGroupStart + 7 + 3));
  EXPECT_EQ(Load().status, DataLoadStatus::Loaded);
  EXPECT_EQ(ui.messages.size(), 1u);
  ASSERT_EQ(table.GroupCount(), 3);
  EXPECT_EQ(table.Groups[3].Buttons[1].Name, "Beta button 1");
  EXPECT_EQ(table.Groups[3].Buttons[2].Name, "");  // past the end of the file
}

TEST_F(LoadDataTest, DamagedFileIsKeptAndReportedOnce) {
  std::string damaged = WithLine(WriteDataFile(table), 2, "abc");
  dir.Write("corvinade.dat", damaged);
  DataLoadResult result = Load();
  EXPECT_EQ(result.status, DataLoadStatus::Damaged);
  EXPECT_TRUE(result.clearSettingsLists);
  EXPECT_EQ(result.damagedCopy, dir.File("corvinade.dat.damaged"));
  ExpectDefaultTable();
  EXPECT_EQ(dir.Read("corvinade.dat.damaged"), damaged);
  EXPECT_NE(ui.messages.at(0).text.find(dir.File("corvinade.dat.damaged")), std::string::npos);

  // Saving the default table replaces the data file, never the copy.
  ASSERT_TRUE(SaveData(table, dir.Path(), nullptr));
  EXPECT_EQ(dir.Read("corvinade.dat.damaged"), damaged);

  // A second damaged file gets a numbered copy; a wrong header counts too.
  dir.Write("corvinade.dat", "not a data file\r\n");
  result = Load();
  EXPECT_EQ(result.status, DataLoadStatus::Damaged);
  EXPECT_FALSE(result.clearSettingsLists);
  EXPECT_EQ(result.damagedCopy, dir.File("corvinade.dat.damaged.2"));
  EXPECT_EQ(dir.Read("corvinade.dat.damaged.2"), "not a data file\r\n");
  EXPECT_EQ(dir.Read("corvinade.dat.damaged"), damaged);
}

// One line changed: the rest of the file is read, and the file is kept as
// it was and told once, since the next save writes defaults in its place.
TEST_F(LoadDataTest, ADamagedLineKeepsTheRestAndIsKeptAsideAndTold) {
  const std::string clean = WriteDataFile(table);
  const std::vector<std::string> lines = Lines(clean);
  std::vector<std::size_t> separators;
  for (std::size_t i = 0; i < lines.size(); ++i) {
    if (lines[i] == Encrypt(kGroupSeparator)) separators.push_back(i + 1);
  }
  const auto changed = [&](std::size_t line) {
    std::string text = lines[line - 1];
    text[3] = text[3] == 'A' ? 'B' : 'A';
    return text;
  };
  // Line, its new text, the group (in file order) whose values may differ.
  const std::tuple<std::size_t, std::string, int> cases[] = {
      {separators.at(0), changed(separators[0]), 0},
      {separators.at(2), changed(separators[2]), 0},
      {3, lines[2].substr(0, 10), 1},  // a group name cut short
      {3, changed(3), 1},
      {9, "TRUX", 1},
      {separators[2] + 2, Encrypt("Shard"), 1},
      {lines.size(), "x", 3},  // a colour
      {0, "", 0},              // the clean file: no copy, no word
  };
  const GroupTable expected = ReadDataFile(clean, LegacyDisplay{}).table;
  for (const auto& [line, text, differs] : cases) {
    SCOPED_TRACE(line);
    const std::string bytes = line ? WithLine(clean, line, text) : clean;
    dir.Write("corvinade.dat", bytes);
    std::filesystem::remove(dir.File("corvinade.dat.damaged"));
    ui.messages.clear();
    const DataLoadResult result = Load();
    ASSERT_EQ(table.GroupCount(), 3);
    for (int g = 1; g <= 3; ++g) {
      if (g != differs) {
        EXPECT_EQ(table.Groups[g], expected.Groups[g]) << g;
      }
    }
    EXPECT_EQ(result.damagedCopy, line ? dir.File("corvinade.dat.damaged") : "");
    EXPECT_EQ(dir.Read("corvinade.dat.damaged"), line ? bytes : "<missing>");
    EXPECT_EQ(ui.messages.size(), line ? 1u : 0u);
  }
}

TEST_F(LoadDataTest, FailedSaveIsReportedAndLeavesTheOldFile) {
  // Something that cannot be replaced stands where the file goes.
  std::filesystem::create_directory(dir.File("corvinade.dat"));
  dir.Write("corvinade.dat/inside", "x");
  std::string error;
  EXPECT_FALSE(SaveData(table, dir.Path(), &error));
  EXPECT_FALSE(error.empty());
  EXPECT_EQ(dir.Listing(), "corvinade.dat");  // no temporary file left
  EXPECT_EQ(dir.Read("corvinade.dat/inside"), "x");
}

}  // namespace
}  // namespace cvd
