#include "core/data/ParallelDecipher.h"

#include <gtest/gtest.h>

#include "core/data/Cipher.h"
#include "core/data/DataFile.h"
#include "support/SampleData.h"

namespace cvd {
namespace {

// Over the size limit: enciphered values, plain numbers, damaged lines,
// empty lines, CR LF and bare LF endings, and a last line without one.
std::string BigMixedFile() {
  std::string bytes;
  for (int i = 0; bytes.size() < DecipheredLines::kMinBytes + 1000; ++i) {
    bytes += Encrypt("value " + std::to_string(i) + std::string(i % 40, 'v')) + (i % 3 ? "\r\n" : "\n");
    if (i % 7 == 0) bytes += std::to_string(-i) + "\r\n";
    if (i % 11 == 0) bytes += Encrypt("damaged").substr(3) + "\r\n\r\n";
  }
  return bytes + Encrypt("last");
}

TEST(ParallelDecipher, GivesEachLineAsTheReaderWouldDecipherIt) {
  const std::string bytes = BigMixedFile();
  std::vector<std::string> expected;
  std::string_view rest = bytes;
  while (!rest.empty()) {
    const std::size_t end = std::min(rest.find('\n'), rest.size());
    std::string_view line = rest.substr(0, end);
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    expected.push_back(Decrypt(line));
    rest.remove_prefix(std::min(end + 1, rest.size()));
  }
  ASSERT_EQ(expected.back(), "last");
  for (unsigned threads : {1u, 3u, 8u}) {
    auto lines = DecipheredLines::For(bytes, threads);
    ASSERT_TRUE(lines) << threads;
    ASSERT_EQ(lines->Count(), expected.size()) << threads;
    for (std::size_t i = 0; i < expected.size(); ++i) ASSERT_EQ(lines->Take(i + 1), expected[i]) << threads << " " << i;
  }
  EXPECT_FALSE(DecipheredLines::For(bytes.substr(0, DecipheredLines::kMinBytes - 1)));
}

TEST(ParallelDecipher, ABigDataFileReadsBackWhatWasWritten) {
  GroupTable table;
  table.Groups.resize(1);
  for (int g = 1; g <= 3; ++g) {
    TGroup group = test::SampleGroup("Group " + std::to_string(g), 1500, 1500, g);
    for (TButton& button : group.Buttons) {
      button.Used = false;
      button.Text += "\r\n\tline two " + std::to_string(g);
    }
    group.Buttons[0] = TButton{};
    table.Groups.push_back(group);
    table.GroupList.push_back(group.Name);
  }
  const std::string bytes = WriteDataFile(table);
  ASSERT_GE(bytes.size(), DecipheredLines::kMinBytes);
  const DataFileContents read = ReadDataFile(bytes, LegacyDisplay{});
  ASSERT_EQ(read.status, DataFileStatus::Ok);
  ASSERT_EQ(read.table.GroupCount(), 3);
  for (int g = 1; g <= 3; ++g) EXPECT_EQ(read.table.Groups[g], table.Groups[g]) << g;
}

}  // namespace
}  // namespace cvd
