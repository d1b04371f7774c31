#include "core/util/AtomicFile.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>

#include "core/util/FileBytes.h"
#include "support/TempDir.h"

namespace cvd {
namespace {

mode_t ModeOf(const std::string& path) {
  struct stat info {};
  ::stat(path.c_str(), &info);
  return info.st_mode & 07777;
}

TEST(WriteFileAtomically, CreatesPrivateFilesAndReplacesThemPrivateOrKeepingTheirPermissions) {
  test::TempDir dir;
  std::string error;
  ASSERT_TRUE(WriteFileAtomically(dir.File("f"), "one", &error)) << error;
  EXPECT_EQ(dir.Read("f"), "one");
  EXPECT_EQ(ModeOf(dir.File("f")), 0600u);

  ::chmod(dir.File("f").c_str(), 0640);
  // An export the user opened to others stays open.
  ASSERT_TRUE(WriteFileAtomically(dir.File("f"), std::string("two\0two", 7), &error, FileAccess::KeepExisting))
      << error;
  EXPECT_EQ(dir.Read("f"), std::string("two\0two", 7));
  EXPECT_EQ(ModeOf(dir.File("f")), 0640u);
  EXPECT_EQ(dir.Listing(), "f");
  // The user's history and settings are narrowed again.
  ASSERT_TRUE(WriteFileAtomically(dir.File("f"), "three", &error, FileAccess::OwnerOnly)) << error;
  EXPECT_EQ(ModeOf(dir.File("f")), 0600u);
}

TEST(WriteFileAtomically, WritesThroughASymbolicLink) {
  test::TempDir dir;
  dir.Write("real", "old");
  std::filesystem::create_symlink(dir.File("real"), dir.File("link"));
  ASSERT_TRUE(WriteFileAtomically(dir.File("link"), "new", nullptr));
  EXPECT_TRUE(std::filesystem::is_symlink(dir.File("link")));
  EXPECT_EQ(dir.Read("real"), "new");
}

TEST(WriteNewFile, NeverOverwrites) {
  test::TempDir dir;
  std::string error;
  EXPECT_TRUE(WriteNewFile(dir.File("n"), "first", &error));
  EXPECT_FALSE(WriteNewFile(dir.File("n"), "second", &error));
  EXPECT_FALSE(error.empty());
  EXPECT_EQ(dir.Read("n"), "first");
}

// Both readers, and FileBytes on either side of its mapping size, give the
// same answers.
TEST(ReadWholeFile, TellsMissingFromUnreadable) {
  test::TempDir dir;
  const std::string big(FileBytes::kMapFrom + 5, 'b');
  dir.Write("small", "small\r\n");
  dir.Write("big", big);
  const struct {
    std::string path;
    bool read, missing;
    std::string bytes;
  } cases[] = {{dir.File("none"), false, true, ""},
               {dir.Path(), false, false, ""},  // a folder
               {dir.File("small"), true, false, "small\r\n"},
               {dir.File("big"), true, false, big}};
  for (const auto& c : cases) {
    std::string bytes = "stale";
    bool missing = !c.missing;
    EXPECT_EQ(ReadWholeFile(c.path, bytes, nullptr, &missing), c.read) << c.path;
    EXPECT_EQ(missing, c.missing) << c.path;
    EXPECT_TRUE(bytes == c.bytes) << c.path;
    FileBytes file;
    missing = !c.missing;
    EXPECT_EQ(file.Read(c.path, nullptr, &missing), c.read) << c.path;
    EXPECT_EQ(missing, c.missing) << c.path;
    EXPECT_TRUE(file.View() == c.bytes) << c.path;
  }
}

}  // namespace
}  // namespace cvd
