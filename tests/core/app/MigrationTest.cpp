#include "core/app/Migration.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "support/ScriptedUi.h"
#include "support/TempDir.h"

namespace cvd {
namespace {

using test::ReadTextFile;
using test::WriteTextFile;

// A program folder and a data folder, both empty.
struct Folders {
  Folders() {
    dirs.ProgramDir = tmp.Sub("prog");
    dirs.DataDir = tmp.Sub("data");
  }
  test::TempDir tmp;
  test::ScriptedUi ui;
  Directories dirs;
};

TEST(MigrationTest, BothOldFilesAreCopiedOnlyWhenTheDataFolderHasNeither) {
  // Settings and data file in the program folder, in the data folder; whether they are copied.
  const std::tuple<bool, bool, bool, bool, bool> cases[] = {
      {true, true, false, false, true}, {true, false, false, false, false}, {false, true, false, false, false},
      {true, true, true, false, false}, {true, true, false, true, false},
  };
  for (const auto& [iniInProgram, datInProgram, iniInData, datInData, copies] : cases) {
    Folders f;
    auto& [tmp, ui, dirs] = f;
    if (iniInProgram) WriteTextFile(dirs.ProgramDir + "corvinade.ini", "old ini");
    if (datInProgram) WriteTextFile(dirs.ProgramDir + "corvinade.dat", "old dat");
    if (iniInData) WriteTextFile(dirs.DataDir + "corvinade.ini", "new ini");
    if (datInData) WriteTextFile(dirs.DataDir + "corvinade.dat", "new dat");
    EXPECT_EQ(MigrateFromProgramDir(dirs, ui), copies);
    if (copies) {
      EXPECT_EQ(ReadTextFile(dirs.DataDir + "corvinade.ini"), "old ini");
      EXPECT_EQ(ReadTextFile(dirs.DataDir + "corvinade.dat"), "old dat");
      ASSERT_EQ(ui.messages.size(), 1u);
      EXPECT_EQ(ui.messages[0].kind, MsgKind::Information);
    } else {
      EXPECT_TRUE(ui.messages.empty());
      if (!iniInData) {
        EXPECT_FALSE(std::filesystem::exists(dirs.DataDir + "corvinade.ini"));
      }
    }
  }
}

TEST(MigrationTest, NothingHappensWhenTheDataFolderIsTheProgramFolder) {
  Folders f;
  auto& [tmp, ui, dirs] = f;
  dirs.DataDir = tmp.Path() + "prog/./";
  WriteTextFile(dirs.ProgramDir + "corvinade.ini", "ini");
  WriteTextFile(dirs.ProgramDir + "corvinade.dat", "dat");
  EXPECT_FALSE(MigrateFromProgramDir(dirs, ui));
  EXPECT_TRUE(ui.messages.empty());
}

TEST(MigrationTest, AFailedDataCopyLeavesNoLoneSettingsFile) {
  Folders f;
  auto& [tmp, ui, dirs] = f;
  WriteTextFile(dirs.ProgramDir + "corvinade.ini", "ini");
  // A sparse file larger than any data file is refused by the copy.
  std::filesystem::resize_file(
      (WriteTextFile(dirs.ProgramDir + "corvinade.dat", ""), dirs.ProgramDir + "corvinade.dat"),
      (std::uintmax_t{1} << 30) + 1);
  EXPECT_FALSE(MigrateFromProgramDir(dirs, ui));
  EXPECT_FALSE(std::filesystem::exists(dirs.DataDir + "corvinade.ini"));
}

}  // namespace
}  // namespace cvd
