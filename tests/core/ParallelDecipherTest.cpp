#include "core/data/ParallelDecipher.h"

#include <gtest/gtest.h>

#include "core/data/Cipher.h"
#include "core/data/DataFile.h"
#include "core/data/GroupFile.h"
#include "core/data/LineFile.h"
#include "support/SampleData.h"

namespace cvd {
namespace {

// Enciphered values, plain numbers, damaged lines and empty lines, each
// deciphered (and unpacked) into its own place on any number of threads, as
// the reader would decipher it at once.
TEST(ParallelDecipher, GivesEachValueAsTheReaderWouldDecipherIt) {
  std::vector<std::string> lines;
  for (int i = 0; i < 20000; ++i) {
    lines.push_back(Encrypt("value " + std::to_string(i) + std::string(i % 40, '\xFF')));
    if (i % 7 == 0) lines.push_back(std::to_string(-i));
    if (i % 11 == 0) lines.push_back(Encrypt("damaged").substr(3));
    if (i % 13 == 0) lines.emplace_back();
  }
  for (unsigned threads : {1u, 3u, 8u}) {
    std::vector<std::string> values(lines.size(), "stale");
    DeferredDecipher pending;
    for (std::size_t i = 0; i < lines.size(); ++i) pending.Add(lines[i], &values[i], i % 2 == 0);
    pending.Run(threads);
    for (std::size_t i = 0; i < lines.size(); ++i) {
      const std::string expected = i % 2 == 0 ? UnpackText(Decrypt(lines[i])) : Decrypt(lines[i]);
      ASSERT_EQ(values[i], expected) << threads << " " << i;
    }
    EXPECT_EQ(pending.Count(), 0u);
  }
}

TEST(ParallelDecipher, ABigDataFileReadsBackWhatWasWritten) {
  GroupTable table;
  table.Groups.resize(1);
  for (int g = 1; g <= 3; ++g) {
    TGroup group = test::SampleGroup("Group " + std::to_string(g), 1500, 1500, g);
    for (TButton& button : group.Buttons) {
      button.Used = false;
      button.Text += "\r\n\tline two " + std::to_string(g) + std::string(100, 'x');
    }
    group.Buttons[0] = TButton{};
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

}  // namespace
}  // namespace cvd
