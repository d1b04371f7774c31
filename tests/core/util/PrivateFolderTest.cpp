// The data folder is the user's alone: created 0700, narrowed once when wider.
#include "core/util/PrivateFolder.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include "support/RecordingLog.h"
#include "support/TempDir.h"

namespace cvd {
namespace {

unsigned ModeOf(const std::string& path) {
  struct stat info {};
  ::stat(path.c_str(), &info);
  return info.st_mode & 07777;
}

TEST(PrivateFolderTest, TheDataFolderIsCreatedAndKeptPrivate) {
  struct Case {
    const char* name;
    unsigned before;  // 0: the folder does not exist yet
    bool narrowed;
  } cases[] = {
      {"created", 0, false},
      {"open to everyone", 0755, true},
      {"open to the group", 0750, true},
      {"private already", 0700, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    test::TempDir dir;
    test::RecordingLog log;
    const std::string folder = dir.File("parent/Corvinade");
    if (c.before == 0) {
      ASSERT_TRUE(CreatePrivateFolder(folder + "/"));
    } else {
      ASSERT_TRUE(CreatePrivateFolder(folder));
      ::chmod(folder.c_str(), c.before);
    }
    EXPECT_EQ(TightenDataFolder(folder), c.narrowed);
    EXPECT_EQ(ModeOf(folder), 0700u);
    // Said once: the next start finds it private.
    EXPECT_FALSE(TightenDataFolder(folder));
    EXPECT_EQ(log.Warnings("data"), c.narrowed ? 1 : 0);
  }
}

}  // namespace
}  // namespace cvd
