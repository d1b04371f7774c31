#include "core/data/ParallelDecipher.h"

#include <gtest/gtest.h>

#include <tuple>

#include "core/data/Cipher.h"
#include "core/data/DataFile.h"
#include "core/data/GroupFile.h"
#include "core/data/LineFile.h"
#include "support/SampleData.h"
#include "support/TempDir.h"

namespace cvd {
namespace {

// Enciphered values, plain numbers, damaged lines, empty lines and bare LF
// endings, in runs of any length and a last run cut short by the file's end:
// each button gets what reading it at once gives, on any number of threads.
TEST(ParallelDecipher, GivesEachButtonWhatReadingItAtOnceGives) {
  std::string bytes;
  for (int i = 0; i < 12000; ++i) {
    std::string line =
        Encrypt("value " + std::to_string(i) + std::string(i % 40, '\xFF') + "\xFE" + std::string(20, 't'));
    if (i % 7 == 0) line = std::to_string(-i);
    if (i % 11 == 0) line = Encrypt("damaged").substr(3);
    if (i % 13 == 0) line.clear();
    bytes += line + (i % 3 ? "\r\n" : "\n");
  }
  ASSERT_GE(bytes.size(), DeferredDecipher::kMinBytes);
  const std::size_t counts[] = {1, 1500, 999, 2000};  // the last run wants more lines than are left
  ButtonList expected(4500, TButton{});
  LineReader atOnce(bytes, false);
  for (std::size_t first = 0; const std::size_t count : counts) {
    atOnce.NextButtons(expected, first, count);
    first += count;
  }
  for (unsigned threads : {1u, 3u, 8u}) {
    ButtonList buttons(expected.size(), TButton{"stale", "stale", "stale"});
    LineReader deferred(bytes);
    for (std::size_t first = 0; const std::size_t count : counts) {
      deferred.NextButtons(buttons, first, count);
      first += count;
    }
    deferred.FinishDeciphering(threads);
    ASSERT_EQ(buttons, expected) << threads;
  }
  std::string eight = "value 8";
  for (int i = 0; i < 8; ++i) eight += "\r\n";
  EXPECT_EQ(expected[2].Text, eight + "\t" + std::string(20, 't'));
}

TEST(ParallelDecipher, ABigDataFileReadsBackWhatWasWritten) {
  GroupTable table;
  table.Groups.resize(1);
  for (int g = 1; g <= 3; ++g) {
    TGroup group = test::SampleGroup("Group " + std::to_string(g), 1500, 1500, g);
    for (std::size_t b = 1; b < group.Buttons.size(); ++b) {
      group.Buttons.SetUsed(b, false);
      group.Buttons.SetText(
          b, std::string(group.Buttons.Text(b)) + "\r\n\tline two " + std::to_string(g) + std::string(100, 'x'));
    }
    group.Buttons.Set(0, TButton{});
    table.Groups.push_back(group);
    table.GroupList.push_back(group.Name);
  }
  const std::string bytes = WriteDataFile(table);
  ASSERT_GE(bytes.size(), DeferredDecipher::kMinBytes);
  const DataFileContents read = ReadDataFile(bytes, LegacyDisplay{});
  ASSERT_EQ(read.status, DataFileStatus::Ok);
  ASSERT_EQ(read.table.GroupCount(), 3);
  for (int g = 1; g <= 3; ++g) EXPECT_EQ(read.table.Groups[g], table.Groups[g]) << g;
  // A group file that big is deciphered the same way.
  const std::string groupBytes = WriteGroupFile(table.Groups[2]);
  ASSERT_GE(groupBytes.size(), DeferredDecipher::kMinBytes);
  const GroupFileContents group = ReadGroupFile(groupBytes);
  ASSERT_EQ(group.group.Buttons.size(), table.Groups[2].Buttons.size());
  for (std::size_t b = 1; b < group.group.Buttons.size(); ++b) {
    const TButton& want = table.Groups[2].Buttons[b];
    const TButton& got = group.group.Buttons[b];
    ASSERT_EQ(std::tie(got.Name, got.Hint, got.Text), std::tie(want.Name, want.Hint, want.Text)) << b;
  }
}

// Colour lines that are not numbers leave a button's default colours, as in
// a small file, whichever run of its group the button is read in.
TEST(ParallelDecipher, ABigFilesDamagedColourLinesKeepTheDefaults) {
  GroupTable table;
  table.Groups.resize(1);
  table.Groups.push_back(test::SampleGroup("Big", 1100, 1000, 1));
  table.GroupList.push_back("Big");
  for (std::size_t b = 1; b <= 2100; ++b) table.Groups[1].Buttons.SetText(b, std::string(200, 't'));
  std::string bytes = WriteDataFile(table);
  ASSERT_GE(bytes.size(), DeferredDecipher::kMinBytes);
  const std::size_t last = test::Lines(bytes).size();  // the face colour of button 2100
  const auto fontLine = [last](std::size_t b) { return last - 2 * (2100 - b) - 1; };
  // Button, whether its face line is the damaged one, the colours read.
  const std::tuple<std::size_t, bool, TColor, TColor> cases[] = {
      {2050, false, clRed, table.Groups[1].Buttons.Color(2050)},         // permanent, third run
      {1099, false, clBlack, table.Groups[1].Buttons.Color(1099)},       // clip, second run
      {1500, true, table.Groups[1].Buttons.FontColor(1500), clBtnFace},  // permanent, second run
  };
  for (const auto& [b, face, font, color] : cases) bytes = test::WithLine(bytes, fontLine(b) + (face ? 1 : 0), "x");
  const DataFileContents read = ReadDataFile(bytes, LegacyDisplay{});
  ASSERT_EQ(read.status, DataFileStatus::Ok);
  EXPECT_EQ(read.damagedLines, std::size(cases));
  for (const auto& [b, face, font, color] : cases) {
    EXPECT_EQ(std::pair(read.table.Groups[1].Buttons.FontColor(b), read.table.Groups[1].Buttons.Color(b)),
              std::pair(font, color))
        << b;
  }
}

// A big data file is handed to its watcher on a second thread while it is
// read: the watcher sees exactly the file's bytes, and the table is what
// reading the bytes alone gives.
TEST(ParallelDecipher, ABigDataFileIsSeenWhileItIsRead) {
  GroupTable table;
  table.Groups.resize(1);
  table.Groups.push_back(test::SampleGroup("Big", 4000, 4000, 1));
  table.GroupList.push_back("Big");
  const std::string bytes = WriteDataFile(table);
  ASSERT_GE(bytes.size(), DeferredDecipher::kMinBytes);
  test::TempDir dir;
  dir.Write(kDataFileName, bytes);
  std::string seen;
  GroupTable loaded;
  const DataLoadResult result = LoadDataFile(loaded, dir.Path(), "/prog/", LegacyDisplay{},
                                             [&seen](std::string_view view) { seen.assign(view); });
  EXPECT_EQ(result.status, DataLoadStatus::Loaded);
  EXPECT_TRUE(seen == bytes) << seen.size() << " of " << bytes.size() << " bytes seen";
  const DataFileContents alone = ReadDataFile(bytes, LegacyDisplay{});
  ASSERT_EQ(loaded.GroupCount(), 1);
  EXPECT_EQ(loaded.Groups[1], alone.table.Groups[1]);
}

}  // namespace
}  // namespace cvd
