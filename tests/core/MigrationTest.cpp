#include "core/app/Migration.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "support/ScriptedUi.h"
#include "support/TempDir.h"

namespace cvd {
namespace {

using testing::ReadTextFile;
using testing::WriteTextFile;

TEST(MigrationTest, BothOldFilesAreCopiedOnlyWhenTheDataFolderHasNeither) {
  const struct {
    bool iniInProgram, datInProgram, iniInData, datInData;
    bool copies;
  } cases[] = {
      {true, true, false, false, true},  {true, false, false, false, false}, {false, true, false, false, false},
      {true, true, true, false, false},  {true, true, false, true, false},
  };
  for (const auto& c : cases) {
    testing::TempDir tmp;
    testing::ScriptedUi ui;
    Directories dirs;
    dirs.ProgramDir = tmp.Sub("prog");
    dirs.DataDir = tmp.Sub("data");
    if (c.iniInProgram) WriteTextFile(dirs.ProgramDir + "corvinade.ini", "old ini");
    if (c.datInProgram) WriteTextFile(dirs.ProgramDir + "corvinade.dat", "old dat");
    if (c.iniInData) WriteTextFile(dirs.DataDir + "corvinade.ini", "new ini");
    if (c.datInData) WriteTextFile(dirs.DataDir + "corvinade.dat", "new dat");
    EXPECT_EQ(MigrateFromProgramDir(dirs, ui), c.copies);
    if (c.copies) {
      EXPECT_EQ(ReadTextFile(dirs.DataDir + "corvinade.ini"), "old ini");
      EXPECT_EQ(ReadTextFile(dirs.DataDir + "corvinade.dat"), "old dat");
      ASSERT_EQ(ui.messages.size(), 1u);
      EXPECT_NE(ui.messages[0].text.find("Old directory: " + dirs.ProgramDir + "\nNew directory: " + dirs.DataDir),
                std::string::npos);
      EXPECT_EQ(ui.messages[0].kind, MsgKind::Information);
    } else {
      EXPECT_TRUE(ui.messages.empty());
      if (!c.iniInData) EXPECT_FALSE(std::filesystem::exists(dirs.DataDir + "corvinade.ini"));
    }
  }
}

TEST(MigrationTest, NothingHappensWhenTheDataFolderIsTheProgramFolder) {
  testing::TempDir tmp;
  testing::ScriptedUi ui;
  Directories dirs;
  dirs.ProgramDir = tmp.Sub("prog");
  dirs.DataDir = tmp.Path() + "prog/./";
  WriteTextFile(dirs.ProgramDir + "corvinade.ini", "ini");
  WriteTextFile(dirs.ProgramDir + "corvinade.dat", "dat");
  EXPECT_FALSE(MigrateFromProgramDir(dirs, ui));
  EXPECT_TRUE(ui.messages.empty());
}

TEST(MigrationTest, AFailedDataCopyLeavesNoLoneSettingsFile) {
  testing::TempDir tmp;
  testing::ScriptedUi ui;
  Directories dirs;
  dirs.ProgramDir = tmp.Sub("prog");
  dirs.DataDir = tmp.Sub("data");
  WriteTextFile(dirs.ProgramDir + "corvinade.ini", "ini");
  // A sparse file larger than any data file is refused by the copy.
  std::filesystem::resize_file((WriteTextFile(dirs.ProgramDir + "corvinade.dat", ""), dirs.ProgramDir + "corvinade.dat"),
                               (std::uintmax_t{1} << 30) + 1);
  EXPECT_FALSE(MigrateFromProgramDir(dirs, ui));
  EXPECT_FALSE(std::filesystem::exists(dirs.DataDir + "corvinade.ini"));
}

}  // namespace
}  // namespace cvd
