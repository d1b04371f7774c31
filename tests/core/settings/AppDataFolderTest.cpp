#include "core/settings/AppDataFolder.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>

#include <filesystem>

#include "support/TempDir.h"

namespace cvd {
namespace {

namespace fs = std::filesystem;
using test::TempDir;
using test::WriteTextFile;

// A sysfs tree holding one block device at `devicePath` (below devices/),
// reachable as dev/block/major:minor.
std::string FakeSysfs(const TempDir& tmp, unsigned major, unsigned minor, const std::string& devicePath,
                      const std::string& diskRemovable, bool partition) {
  const std::string root = tmp.Sub("sys");
  const fs::path device = fs::path(root) / "devices" / devicePath;
  fs::create_directories(device);
  if (partition) {
    WriteTextFile((device / "partition").string(), "1\n");
    WriteTextFile((device.parent_path() / "removable").string(), diskRemovable + "\n");
  } else {
    WriteTextFile((device / "removable").string(), diskRemovable + "\n");
  }
  fs::create_directories(fs::path(root) / "dev" / "block");
  fs::create_symlink(fs::path("../..") / "devices" / devicePath,
                     fs::path(root) / "dev" / "block" / (std::to_string(major) + ":" + std::to_string(minor)));
  return root;
}

TEST(AppDataFolderTest, PortableDrivesAreFoundBySysfs) {
  const std::tuple<const char*, const char*, bool, bool> cases[] = {
      {"pci0000:00/0000:00:14.0/usb2/2-1/2-1:1.0/host6/target6:0:0/6:0:0:0/block/sdb/sdb1", "0", true, true},
      {"pci0000:00/0000:00:1e.0/0000:05:00.0/fw1/fw1.0/host7/target7:0:0/7:0:0:0/block/sdc", "0", false, true},
      {"pci0000:00/0000:00:17.0/ata1/host0/target0:0:0/0:0:0:0/block/sda/sda2", "0", true, false},
      {"pci0000:00/0000:00:17.0/ata1/host0/target0:0:0/0:0:0:0/block/sda/sda2", "1", true, true},
      {"pci0000:00/0000:00:1d.0/0000:3d:00.0/nvme/nvme0/nvme0n1", "0", false, false},
  };
  for (const auto& [path, removable, partition, portable] : cases) {
    TempDir tmp;
    const std::string root = FakeSysfs(tmp, 8, 17, path, removable, partition);
    EXPECT_EQ(IsPortableBlockDevice(8, 17, root), portable) << path << " removable " << removable;
    EXPECT_FALSE(IsPortableBlockDevice(8, 18, root));  // no such device: not portable
  }
  EXPECT_FALSE(IsPortableBlockDevice(8, 17, "/nonexistent-sysfs"));
}

TEST(AppDataFolderTest, AMappedDeviceIsPortableWhenItsSlaveIs) {
  TempDir tmp;
  const std::string root = FakeSysfs(tmp, 8, 17, "pci0/usb1/1-1/host/block/sdb/sdb1", "0", true);
  const fs::path dm = fs::path(root) / "devices" / "virtual" / "block" / "dm-0";
  fs::create_directories(dm / "slaves");
  fs::create_symlink("../../../../pci0/usb1/1-1/host/block/sdb/sdb1", dm / "slaves" / "sdb1");
  fs::create_symlink("../../devices/virtual/block/dm-0", fs::path(root) / "dev" / "block" / "254:0");
  EXPECT_TRUE(IsPortableBlockDevice(254, 0, root));
}

TEST(AppDataFolderTest, TheDataFolderFollowsXdgAndIsCreated) {
  TempDir tmp;
  const std::string prog = tmp.Sub("prog");
  WriteTextFile(prog + "corvinade", "");
  AppDataEnvironment env{prog + "corvinade", tmp.Path() + "xdg", tmp.Path() + "home", tmp.Path() + "nosys"};
  EXPECT_EQ(GetAppDataFolderPath(env), tmp.Path() + "xdg/Corvinade/");
  EXPECT_TRUE(fs::is_directory(tmp.Path() + "xdg/Corvinade"));

  env.xdgDataHome = "relative/dir";  // not absolute: ignored
  EXPECT_EQ(GetAppDataFolderPath(env), tmp.Path() + "home/.local/share/Corvinade/");
  EXPECT_TRUE(fs::is_directory(tmp.Path() + "home/.local/share/Corvinade"));

  // A folder that cannot be created, or no home at all: the program folder.
  WriteTextFile(tmp.Path() + "file", "");
  env.xdgDataHome = tmp.Path() + "file";
  EXPECT_EQ(GetAppDataFolderPath(env), prog);
  env.xdgDataHome.clear();
  env.home.clear();
  EXPECT_EQ(GetAppDataFolderPath(env), prog);
}

TEST(AppDataFolderTest, AProgramOnAPortableDriveKeepsItsDataBesideIt) {
  TempDir tmp;
  const std::string prog = tmp.Sub("prog");
  WriteTextFile(prog + "corvinade", "");
  struct stat info {};
  ASSERT_EQ(::stat((prog + "corvinade").c_str(), &info), 0);
  const std::string sysfs =
      FakeSysfs(tmp, ::major(info.st_dev), ::minor(info.st_dev), "pci0/usb3/3-2/host/block/sdd", "0", false);
  const AppDataEnvironment env{prog + "corvinade", tmp.Path() + "xdg", tmp.Path() + "home", sysfs};
  EXPECT_EQ(GetAppDataFolderPath(env), prog);
  EXPECT_FALSE(fs::exists(tmp.Path() + "xdg"));
}

TEST(AppDataFolderTest, TheProgramFolderComesFromTheProgramFile) {
  EXPECT_EQ(ProgramDirOf("/opt/corvinade/bin/corvinade"), "/opt/corvinade/bin/");
  EXPECT_EQ(ProgramDirOf(""), "./");
  const std::string self = ProgramFilePath();
  EXPECT_EQ(fs::path(self).filename(), "core_tests");
}

}  // namespace
}  // namespace cvd
