#include "core/backup/BackupActions.h"

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <thread>

#include "core/settings/IniFile.h"
#include "core/util/Files.h"
#include "support/FakeDataStore.h"
#include "support/ScriptedUi.h"
#include "support/TempDir.h"

namespace cvd {
namespace {

namespace fs = std::filesystem;
using testing::ReadTextFile;
using testing::WriteTextFile;

const LocalDateTime kToday{2024, 3, 15, 9, 30, 0};

class BackupTest : public ::testing::Test {
 protected:
  BackupTest()
      : files(settings, dirs, table, ui, store),
        actions(files, BackupHooks{[this] { ++redraws; }, [this](const std::string& f) { watched = f; },
                                   [this] { return now; }}) {
    dirs.ProgramDir = tmp.Sub("prog");
    dirs.DefaultDataDir = tmp.Sub("appdata");
    table.Groups.resize(2);
    table.MakeNewGroup(1, "Default", dirs.ProgramDir);
    files.LoadSettings();
    data = dirs.DataDir;
    backup = tmp.Sub("backup");
    settings.BackupDirectory = backup;
    store.loadedFrom.clear();
    store.loadedContents.clear();
  }

  // The live pair as saved on disk.
  void LivePair(const std::string& ini, const std::string& dat) {
    WriteTextFile(data + "corvinade.ini", ini);
    WriteTextFile(data + "corvinade.dat", dat);
  }

  static std::string IniValue(const std::string& path, const std::string& section, const std::string& key) {
    IniFile ini;
    ini.Load(path);
    return ini.ReadString(section, key, "");
  }

  // Writes a file whose creation time is later than every file written before.
  void WriteNewer(const std::string& path, const std::string& bytes) {
    for (;;) {
      fs::remove(path);
      WriteTextFile(path, bytes);
      const auto created = FileCreationTime(path);
      if (created && *created > newest_) {
        newest_ = *created;
        return;
      }
      std::this_thread::sleep_for(std::chrono::milliseconds(2));
    }
  }

  testing::TempDir tmp;
  Settings settings;
  Directories dirs;
  GroupTable table;
  testing::ScriptedUi ui;
  testing::FakeDataStore store;
  SettingsFiles files;
  LocalDateTime now = kToday;
  int redraws = 0;
  std::string watched;
  BackupActions actions;
  std::string data;
  std::string backup;

 private:
  std::int64_t newest_ = 0;
};

TEST_F(BackupTest, ABackupSavesFirstThenCopiesThePair) {
  store.contents = "current buttons";
  settings.MainTop = 321;
  ASSERT_TRUE(actions.CopyBackupFiles("backup"));
  EXPECT_EQ(ReadTextFile(backup + "corvinade.dat.backup"), "current buttons");
  EXPECT_EQ(IniValue(backup + "corvinade.ini.backup", "Windows", "MainTop"), "321");
  EXPECT_TRUE(ui.messages.empty());
}

TEST_F(BackupTest, BackupNowReportsSuccessOrFailure) {
  actions.BackupNowButton();
  ASSERT_EQ(ui.messages.size(), 1u);
  EXPECT_EQ(ui.messages[0].text, "Data files copied to backup directory.\n\n" + backup);
  EXPECT_EQ(ui.messages[0].kind, MsgKind::Information);

  settings.BackupDirectory = tmp.Path() + "gone/";
  actions.BackupNowButton();
  ASSERT_EQ(ui.messages.size(), 2u);  // the failure only, no success message
  EXPECT_EQ(ui.messages[1].text, "Unable to copy data files to backup directory.\n\n" + tmp.Path() + "gone/");
  EXPECT_EQ(ui.messages[1].kind, MsgKind::Error);
}

TEST_F(BackupTest, NoDataCopyWithoutTheSettingsCopy) {
  fs::create_directory(backup + "corvinade.ini.x");  // the settings copy cannot replace a folder
  EXPECT_FALSE(actions.CopyBackupFiles("x"));
  EXPECT_FALSE(fs::exists(backup + "corvinade.dat.x"));
  EXPECT_EQ(ui.messages.size(), 1u);
}

TEST_F(BackupTest, ChoosingABackupFolderAsksBeforeOverwritingAPair) {
  const std::string chosen = tmp.Sub("usb");
  WriteTextFile(chosen + "corvinade.ini.backup", "old ini");
  WriteTextFile(chosen + "corvinade.dat.backup", "old dat");
  ui.AnswerFolder(chosen.substr(0, chosen.size() - 1));
  ui.Answer(MsgResult::No);
  actions.FindBackupDirButton();
  ASSERT_EQ(ui.folderDialogs.size(), 1u);
  EXPECT_EQ(ui.folderDialogs[0].title, "Select Backup Folder");
  EXPECT_EQ(ui.folderDialogs[0].startFolder, backup);
  ASSERT_EQ(ui.messages.size(), 1u);
  EXPECT_EQ(ui.messages[0].text.rfind(chosen + "\n\nThis directory already contains", 0), 0u);
  EXPECT_EQ(ui.messages[0].buttons, MsgButtons::YesNo);
  EXPECT_EQ(settings.BackupDirectory, backup);
  EXPECT_EQ(ReadTextFile(chosen + "corvinade.dat.backup"), "old dat");

  fs::remove_all(backup);  // start at the data folder when the backup folder is gone
  ui.AnswerFolder(chosen);
  ui.Answer(MsgResult::Yes);
  actions.FindBackupDirButton();
  EXPECT_EQ(ui.folderDialogs[1].startFolder, data);
  EXPECT_EQ(settings.BackupDirectory, chosen);
  EXPECT_EQ(ReadTextFile(chosen + "corvinade.dat.backup"), store.contents);

  ui.AnswerFolder(std::nullopt);  // cancel
  actions.FindBackupDirButton();
  EXPECT_EQ(settings.BackupDirectory, chosen);
  EXPECT_TRUE(ui.AllAnswersUsed());
}

TEST_F(BackupTest, TheMinuteTimerMakesTheDailyPairWithTodaysDate) {
  settings.BackupTime = {9, 31, 0};
  actions.StartDailyBackup();
  now.Minute = 31;
  now.Second = 5;
  actions.MinuteTimerTimer();
  EXPECT_TRUE(fs::exists(backup + "corvinade.ini.240315"));
  EXPECT_TRUE(fs::exists(backup + "corvinade.dat.240315"));
  fs::remove(backup + "corvinade.dat.240315");
  now.Minute = 32;
  actions.MinuteTimerTimer();
  EXPECT_FALSE(fs::exists(backup + "corvinade.dat.240315"));
  settings.AutoBackup = false;  // off: even a due time does nothing
  now = {2024, 3, 16, 9, 31, 0};
  actions.MinuteTimerTimer();
  EXPECT_FALSE(fs::exists(backup + "corvinade.dat.240316"));
}

TEST_F(BackupTest, TheNewestCompletePairIsChosenByCreationTime) {
  WriteNewer(backup + "corvinade.ini.240301", "i1");
  WriteNewer(backup + "corvinade.dat.240301", "d1");
  WriteNewer(backup + "corvinade.ini.backup", "ib");
  WriteNewer(backup + "corvinade.dat.backup", "db");
  WriteNewer(backup + "corvinade.dat.240302", "d2");  // newest, but without its settings partner
  EXPECT_EQ(NewestBackupSuffix(backup), ".backup");
  WriteNewer(backup + "corvinade.ini.restore.240302", "ir");
  WriteNewer(backup + "corvinade.dat.restore.240302", "dr");
  EXPECT_EQ(NewestBackupSuffix(backup), ".restore.240302");  // pairs with its own settings copy
  EXPECT_EQ(NewestBackupSuffix(tmp.Sub("empty")), std::nullopt);
}

TEST_F(BackupTest, AnAutomaticRestoreKeepsSafetyCopiesAndReloads) {
  LivePair("[Windows]\r\nMainTop=1\r\n", "live dat");
  WriteNewer(backup + "corvinade.ini.240310", "[Windows]\r\nMainTop=310\r\n");
  WriteNewer(backup + "corvinade.dat.240310", "dat 310");
  WriteNewer(backup + "corvinade.dat.240311", "dat 311 without settings");
  ui.Answer(MsgResult::Yes);
  actions.RestoreBackup();
  ASSERT_EQ(ui.messages.size(), 1u);
  EXPECT_EQ(ui.messages[0].buttons, MsgButtons::YesNoCancel);
  EXPECT_EQ(ReadTextFile(data + "corvinade.dat"), "dat 310");
  EXPECT_EQ(ReadTextFile(backup + "corvinade.dat.restore.240315"), "live dat");
  EXPECT_EQ(ReadTextFile(backup + "corvinade.ini.restore.240315"), "[Windows]\r\nMainTop=1\r\n");
  EXPECT_EQ(settings.MainTop, 310);
  EXPECT_EQ(store.loadedContents, std::vector<std::string>{"dat 310"});
  EXPECT_EQ(redraws, 1);
}

TEST_F(BackupTest, RestoringTodaysSafetyCopyGetsTheEarlierState) {
  LivePair("ini now", "dat now");
  WriteTextFile(backup + "corvinade.ini.restore.240315", "ini before");
  WriteTextFile(backup + "corvinade.dat.restore.240315", "dat before");
  ui.Answer(MsgResult::No);
  ui.AnswerFile(backup + "corvinade.dat.restore.240315");
  actions.RestoreBackup();
  EXPECT_EQ(ReadTextFile(data + "corvinade.dat"), "dat before");
  EXPECT_EQ(ReadTextFile(data + "corvinade.ini"), "ini before");
  EXPECT_EQ(ReadTextFile(backup + "corvinade.dat.restore.240315"), "dat now");
}

TEST_F(BackupTest, WithoutCandidatesTheUserMayChooseByHand) {
  LivePair("ini", "dat");
  ui.Answer(MsgResult::Yes);
  ui.Answer(MsgResult::No);
  actions.RestoreBackup();
  ASSERT_EQ(ui.messages.size(), 2u);
  EXPECT_EQ(ui.messages[1].buttons, MsgButtons::YesNo);
  EXPECT_TRUE(ui.fileDialogs.empty());

  ui.Answer(MsgResult::Yes);
  ui.Answer(MsgResult::Yes);
  ui.AnswerFile(std::nullopt);
  actions.RestoreBackup();
  ASSERT_EQ(ui.fileDialogs.size(), 1u);
  EXPECT_EQ(ui.fileDialogs[0].title, "Restore buttons from backup file");
  EXPECT_EQ(ui.fileDialogs[0].initialDir, backup);
  EXPECT_EQ(ui.fileDialogs[0].filter, "Tessivar backup files (corvinade.dat*)|corvinade.dat*");
  EXPECT_EQ(redraws, 0);
  EXPECT_FALSE(fs::exists(backup + "corvinade.dat.restore.240315"));

  ui.Answer(MsgResult::Cancel);
  actions.RestoreBackup();
  EXPECT_TRUE(ui.AllAnswersUsed());
}

TEST_F(BackupTest, AManualChoiceRestoresThePairOfItsFolderAndSuffix) {
  LivePair("live ini", "live dat");
  const std::string other = tmp.Sub("other");
  WriteTextFile(other + "corvinade.ini", "plain ini");
  WriteTextFile(other + "corvinade.dat", "plain dat");
  ui.Answer(MsgResult::No);
  ui.AnswerFile(other + "corvinade.dat");
  actions.RestoreBackup();
  EXPECT_EQ(ReadTextFile(data + "corvinade.ini"), "plain ini");
  EXPECT_EQ(ReadTextFile(data + "corvinade.dat"), "plain dat");
  EXPECT_EQ(redraws, 1);

  // Choosing the settings copy of a pair restores the whole pair too.
  WriteTextFile(other + "corvinade.ini.backup", "b ini");
  WriteTextFile(other + "corvinade.dat.backup", "b dat");
  ui.Answer(MsgResult::No);
  ui.AnswerFile(other + "corvinade.ini.backup");
  actions.RestoreBackup();
  EXPECT_EQ(ReadTextFile(data + "corvinade.dat"), "b dat");
}

TEST_F(BackupTest, TheLiveFilesOrAPairWithoutSettingsRestoreNothing) {
  LivePair("live ini", "live dat");
  ui.Answer(MsgResult::No);
  ui.AnswerFile(data + "corvinade.dat");
  actions.RestoreBackup();
  EXPECT_EQ(redraws, 0);
  EXPECT_FALSE(fs::exists(backup + "corvinade.dat.restore.240315"));

  WriteTextFile(backup + "corvinade.dat.240101", "lonely");
  ui.Answer(MsgResult::No);
  ui.AnswerFile(backup + "corvinade.dat.240101");
  actions.RestoreBackup();
  ASSERT_EQ(ui.messages.size(), 3u);
  EXPECT_NE(ui.messages[2].text.find(backup + "corvinade.dat.240101"), std::string::npos);
  EXPECT_EQ(ReadTextFile(data + "corvinade.dat"), "live dat");
  EXPECT_EQ(redraws, 0);
}

TEST(BackupSuffixTest, TheSuffixFollowsTheDataFileName) {
  const std::pair<const char*, const char*> cases[] = {
      {"corvinade.dat", ""}, {"corvinade.dat.backup", ".backup"}, {"corvinade.dat.240101", ".240101"},
      {"corvinade.dat.restore.240101", ".restore.240101"}, {"corvinade.ini.backup", ".backup"}, {"mine.dat", ""},
      {"noextension", ""}};
  for (const auto& [name, suffix] : cases) EXPECT_EQ(BackupSuffixOf(name), suffix) << name;
}

TEST_F(BackupTest, DataFoldersUnderTheSystemProgramFolderAreRefusedInAnyCase) {
  const struct {
    const char* folder;
    bool refused;
  } cases[] = {
      {"/usr/", true},           {"/usr/local/data/", true}, {"/USR/LOCAL/", true},  {"/Usr/share/x", true},
      {"/usr", true},            {"/home/me/usr/", false},   {"/usrdata/", false},   {"/home/me/data/", false},
      {"/home/me/USR/x/", false},
  };
  for (const auto& c : cases) {
    ui.messages.clear();
    EXPECT_EQ(actions.FolderNotAllowed(c.folder), c.refused) << c.folder;
    EXPECT_EQ(ui.messages.size(), c.refused ? 1u : 0u) << c.folder;
  }
  // A link into the program folder counts as being there.
  fs::create_directory_symlink("/usr/share", tmp.Path() + "link");
  EXPECT_TRUE(actions.FolderNotAllowed(tmp.Path() + "link/"));
}

TEST_F(BackupTest, ChoosingTheCurrentDataFolderChangesAndAsksNothing) {
  ui.AnswerFolder(data);
  actions.DataDirButton();
  EXPECT_TRUE(ui.messages.empty());
  EXPECT_EQ(ui.folderDialogs[0].startFolder, data);
  EXPECT_TRUE(ui.folderDialogs[0].canCreate);
  EXPECT_EQ(dirs.DataDir, data);
  EXPECT_TRUE(store.savedTo.empty());

  ui.AnswerFolder("/usr/share/corvinade");
  actions.DataDirButton();
  EXPECT_EQ(ui.messages.size(), 1u);  // the refusal, no question
  EXPECT_EQ(dirs.DataDir, data);
}

TEST_F(BackupTest, YesCopiesTheCurrentSetupToTheNewFolder) {
  const std::string moved = tmp.Sub("moved");
  settings.MainTop = 42;
  ui.AnswerFolder(moved.substr(0, moved.size() - 1));
  ui.Answer(MsgResult::Yes);
  actions.DataDirButton();
  EXPECT_EQ(ui.messages[0].text.rfind(moved + "\n\nDo you want to copy", 0), 0u);
  EXPECT_EQ(ui.messages[0].kind, MsgKind::Warning);
  EXPECT_EQ(dirs.DataDir, moved);
  EXPECT_EQ(ReadTextFile(moved + "corvinade.dat"), store.contents);
  EXPECT_EQ(IniValue(dirs.DefaultDataDir + "Network.ini", "Directories", "DataDir"), moved);
  EXPECT_EQ(IniValue(moved + "corvinade.ini", "Windows", "MainTop"), "42");
}

TEST_F(BackupTest, NoLoadsTheFilesFoundInTheNewFolder) {
  const std::string other = tmp.Sub("other");
  WriteTextFile(other + "corvinade.ini", "[Windows]\r\nMainTop=77\r\n");
  WriteTextFile(other + "corvinade.dat", "their buttons");
  settings.MainTop = 5;
  ui.AnswerFolder(other);
  ui.Answer(MsgResult::No);
  actions.DataDirButton();
  EXPECT_EQ(ui.messages[0].text.rfind(other + "\n\nThis directory already contains", 0), 0u);
  EXPECT_EQ(store.savedTo, std::vector<std::string>{data});  // the old folder keeps the current state
  EXPECT_EQ(dirs.DataDir, other);
  EXPECT_EQ(store.loadedContents, std::vector<std::string>{"their buttons"});
  EXPECT_EQ(settings.MainTop, 77);
  EXPECT_EQ(ReadTextFile(other + "corvinade.dat"), "their buttons");
  EXPECT_EQ(redraws, 1);

  ui.AnswerFolder(data);
  ui.Answer(MsgResult::Cancel);
  actions.DataDirButton();
  EXPECT_EQ(dirs.DataDir, other);
}

TEST_F(BackupTest, AFolderThatCannotTakeTheFilesIsNotAdopted) {
  const std::string locked = tmp.Sub("locked");
  if (!testing::MakeFolderReadOnly(locked)) GTEST_SKIP() << "cannot make a folder read-only here";
  ui.AnswerFolder(locked);
  ui.Answer(MsgResult::Yes);
  actions.DataDirButton();
  EXPECT_EQ(dirs.DataDir, data);
  EXPECT_EQ(IniValue(dirs.DefaultDataDir + "Network.ini", "Directories", "DataDir"), data);
  EXPECT_NE(ui.messages.back().text.find("Cannot create file"), std::string::npos);
}

TEST_F(BackupTest, ANewShareFolderIsStoredAndWatched) {
  const std::string share = tmp.Sub("share");
  ui.AnswerFolder(share.substr(0, share.size() - 1));
  actions.ShareDirButton();
  EXPECT_EQ(ui.folderDialogs[0].title, "Select Share Folder");
  EXPECT_EQ(ui.folderDialogs[0].startFolder, dirs.DefaultDataDir);
  EXPECT_EQ(dirs.ShareDir, share);
  EXPECT_EQ(watched, share);
  EXPECT_EQ(IniValue(dirs.DefaultDataDir + "Network.ini", "Share", "ShareDir"), share);

  watched.clear();
  ui.AnswerFolder(share);
  actions.ShareDirButton();
  EXPECT_TRUE(watched.empty());
}

}  // namespace
}  // namespace cvd
