#include "core/backup/BackupActions.h"

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <thread>

#include "core/util/Files.h"
#include "support/FakeEventLoop.h"
#include "support/SettingsFilesSetup.h"

namespace cvd {
namespace {

namespace fs = std::filesystem;
using test::ReadTextFile;
using test::WriteTextFile;

class BackupTest : public test::SettingsFilesSetup {
 protected:
  BackupTest() {
    files.LoadSettings();
    data = dirs.DataDir;
    settings.BackupDirectory = backup;
    store.loadedFrom.clear();
    store.loadedContents.clear();
  }

  // A settings and data file pair, e.g. the live pair as saved on disk.
  static void Pair(const std::string& folder, const std::string& suffix, const std::string& ini,
                   const std::string& dat) {
    WriteTextFile(folder + "corvinade.ini" + suffix, ini);
    WriteTextFile(folder + "corvinade.dat" + suffix, dat);
  }
  // Restores the file chosen by hand, declining the newest backup.
  void RestoreChoosing(const std::string& file) {
    ui.Answer(MsgResult::No);
    ui.AnswerFile(file);
    actions.RestoreBackup();
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

  // The wall clock: `now`, moved on by the loop's virtual time since `nowAt`.
  LocalDateTime Wall() const {
    using namespace std::chrono;
    const year_month_day date{year{now.Year}, month{static_cast<unsigned>(now.Month)},
                              day{static_cast<unsigned>(now.Day)}};
    const sys_seconds at = sys_days{date} + hours{now.Hour} + minutes{now.Minute} + seconds{now.Second} +
                           duration_cast<seconds>(milliseconds{loop.NowMs() - nowAt});
    const year_month_day d{floor<days>(at)};
    const hh_mm_ss t{at - floor<days>(at)};
    return {static_cast<int>(d.year()),
            static_cast<int>(static_cast<unsigned>(d.month())),
            static_cast<int>(static_cast<unsigned>(d.day())),
            static_cast<int>(t.hours().count()),
            static_cast<int>(t.minutes().count()),
            static_cast<int>(t.seconds().count())};
  }

  test::FakeEventLoop loop;
  LocalDateTime now{2024, 3, 15, 9, 30, 0};
  std::int64_t nowAt = 0;
  int redraws = 0;
  std::string watched;
  BackupActions actions{files, BackupHooks{.redraw = [this] { ++redraws; },
                                           .shareDirChanged = [this](const std::string& f) { watched = f; },
                                           .now = [this] { return Wall(); }}};
  std::string data;
  std::string backup = tmp.Sub("backup");

 private:
  std::int64_t newest_ = 0;
};

TEST_F(BackupTest, ABackupSavesFirstThenCopiesThePairOrNothing) {
  store.contents = "current buttons";
  settings.MainTop = 321;
  actions.BackupNowButton();
  EXPECT_EQ(ReadTextFile(backup + "corvinade.dat.backup"), "current buttons");
  EXPECT_EQ(IniValue(backup + "corvinade.ini.backup", "Windows", "MainTop"), "321");
  fs::create_directory(backup + "corvinade.ini.x");  // the settings copy cannot replace a folder
  EXPECT_FALSE(actions.CopyBackupFiles("x"));
  EXPECT_FALSE(fs::exists(backup + "corvinade.dat.x"));
  settings.BackupDirectory = tmp.Path() + "gone/";
  actions.BackupNowButton();
  ASSERT_EQ(ui.messages.size(), 3u);
  EXPECT_EQ(ui.messages[0].kind, MsgKind::Information);
  EXPECT_EQ(ui.messages[2].kind, MsgKind::Error);  // a failure gets no success message
}

TEST_F(BackupTest, ChoosingABackupFolderAsksBeforeOverwritingAPair) {
  const std::string chosen = tmp.Sub("usb");
  Pair(chosen, ".backup", "old ini", "old dat");
  ui.AnswerFolder(chosen.substr(0, chosen.size() - 1));
  ui.Answer(MsgResult::No);
  actions.FindBackupDirButton();
  EXPECT_EQ(ui.folderDialogs[0].startFolder, backup);
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
}

TEST_F(BackupTest, TheDailyPairIsMadeAtItsMomentWithNothingRunningBefore) {
  settings.BackupTime = {9, 31, 0};
  actions.StartDailyBackup(loop);
  EXPECT_EQ(loop.RepeatingTimersWithin(24 * 3600 * 1000), 0);
  for (const char* day : {"240315", "240316"}) {
    loop.AdvanceBy(59'000);  // to a second before the moment
    EXPECT_FALSE(fs::exists(backup + "corvinade.dat." + day)) << day;
    loop.AdvanceBy(1000);
    EXPECT_TRUE(fs::exists(backup + "corvinade.ini." + day) && fs::exists(backup + "corvinade.dat." + day)) << day;
    loop.AdvanceBy(24 * 3600 * 1000 - 60'000);
  }
  settings.AutoBackup = false;  // off: even a due time does nothing
  actions.DailyBackupChanged();
  loop.AdvanceBy(48 * 3600 * 1000);
  EXPECT_FALSE(fs::exists(backup + "corvinade.dat.240317"));
}

// Timers count no time asleep, and the wall clock may be set: each jump
// checks the schedule again (a few seconds after it) and re-arms the timer.
TEST_F(BackupTest, AfterAClockJumpTheBackupComesOnceAndAtTheWallClocksMoment) {
  struct Case {
    const char* what;
    int jumpMinutes;      // the wall clock moves by this, the loop's clock does not
    int minutesToBackup;  // from the jump, on the wall clock, to the day's backup
  };
  const Case cases[] = {
      {"asleep past the moment", 180, 0},  // backed up on waking
      {"set back an hour", -60, 210},      // still at noon, not at 11:00
      {"set forward an hour", 60, 90},     // at noon, not at 13:00
  };
  int day = 15;  // a day each: the schedule never backs up twice for one day
  for (const Case& c : cases) {
    const std::string file = backup + "corvinade.dat.2403" + std::to_string(day);
    now = LocalDateTime{2024, 3, day++, 9, 30, 0};
    nowAt = loop.NowMs();
    settings.BackupTime = {12, 0, 0};
    actions.StartDailyBackup(loop);
    now.Hour += c.jumpMinutes / 60;  // whole hours: no minute carry
    loop.WallClockJumped();
    const int toBackupMs = std::max(c.minutesToBackup * 60'000, 5000);
    loop.AdvanceBy(toBackupMs - 1000);
    EXPECT_FALSE(fs::exists(file)) << c.what;
    loop.AdvanceBy(1000);
    EXPECT_TRUE(fs::exists(file)) << c.what;
    fs::remove(file);
    loop.AdvanceBy(static_cast<int>(nowAt + 6 * 3600 * 1000 - loop.NowMs()));  // past the timer's first arming
    EXPECT_FALSE(fs::exists(file)) << c.what << ": backed up twice";
    actions.StopDailyBackup();
  }
}

TEST_F(BackupTest, TheNewestCompletePairIsChosenByCreationTime) {
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
  Pair(data, "", "[Windows]\r\nMainTop=1\r\n", "live dat");
  WriteNewer(backup + "corvinade.ini.240310", "[Windows]\r\nMainTop=310\r\n");
  WriteNewer(backup + "corvinade.dat.240310", "dat 310");
  ui.Answer(MsgResult::Yes);
  actions.RestoreBackup();
  EXPECT_EQ(ReadTextFile(data + "corvinade.dat"), "dat 310");
  EXPECT_EQ(ReadTextFile(backup + "corvinade.dat.restore.240315"), "live dat");
  EXPECT_EQ(ReadTextFile(backup + "corvinade.ini.restore.240315"), "[Windows]\r\nMainTop=1\r\n");
  EXPECT_EQ(settings.MainTop, 310);
  EXPECT_EQ(store.loadedContents, std::vector<std::string>{"dat 310"});
}

TEST_F(BackupTest, DecliningTheLiveFilesOrAPairWithoutSettingsRestoreNothing) {
  Pair(data, "", "live ini", "live dat");  // without candidates the user may choose by hand
  ui.Answer(MsgResult::Yes);
  ui.Answer(MsgResult::No);
  actions.RestoreBackup();
  EXPECT_TRUE(ui.fileDialogs.empty());
  ui.Answer(MsgResult::Yes);
  ui.Answer(MsgResult::Yes);
  ui.AnswerFile(std::nullopt);
  actions.RestoreBackup();
  ASSERT_EQ(ui.fileDialogs.size(), 1u);
  EXPECT_EQ(ui.fileDialogs[0].initialDir, backup);
  EXPECT_EQ(ui.fileDialogs[0].filter, "Corvinade backup files|corvinade.dat*");  // the product's own name
  EXPECT_TRUE(ui.AllAnswersUsed());
  RestoreChoosing(data + "corvinade.dat");
  WriteTextFile(backup + "corvinade.dat.240101", "lonely");
  RestoreChoosing(backup + "corvinade.dat.240101");
  EXPECT_NE(ui.messages.back().text.find(backup + "corvinade.dat.240101"), std::string::npos);
  EXPECT_EQ(ReadTextFile(data + "corvinade.dat"), "live dat");
  EXPECT_FALSE(fs::exists(backup + "corvinade.dat.restore.240315"));
  EXPECT_EQ(redraws, 0);
}

TEST_F(BackupTest, AManualChoiceRestoresThePairOfItsFolderAndSuffix) {
  Pair(data, "", "live ini", "live dat");
  const std::string other = tmp.Sub("other");
  const std::string otherIni = "[Backup]\r\nDirectory=" + backup + "\r\n";
  Pair(other, "", otherIni, "plain dat");
  RestoreChoosing(other + "corvinade.dat");
  EXPECT_EQ(ReadTextFile(data + "corvinade.ini"), otherIni);
  EXPECT_EQ(redraws, 1);
  // Today's safety copy gives back the state before and takes the current one.
  RestoreChoosing(backup + "corvinade.dat.restore.240315");
  EXPECT_EQ(ReadTextFile(data + "corvinade.ini"), "live ini");
  EXPECT_EQ(ReadTextFile(backup + "corvinade.dat.restore.240315"), "plain dat");
}

TEST(BackupSuffixTest, TheSuffixFollowsTheDataFileName) {
  const std::pair<const char*, const char*> cases[] = {{"corvinade.dat", ""},
                                                       {"corvinade.dat.restore.240101", ".restore.240101"},
                                                       {"corvinade.ini.backup", ".backup"},
                                                       {"mine.dat", ""},
                                                       {"noextension", ""}};
  for (const auto& [name, suffix] : cases) EXPECT_EQ(BackupSuffixOf(name), suffix) << name;
}

TEST_F(BackupTest, DataFoldersUnderTheSystemProgramFolderAreRefusedInAnyCase) {
  const std::pair<const char*, bool> cases[] = {{"/usr/local/data/", true},
                                                {"/Usr/share/x", true},
                                                {"/usr", true},
                                                {"/home/me/usr/", false},
                                                {"/usrdata/", false}};
  for (const auto& [folder, refused] : cases) EXPECT_EQ(actions.FolderNotAllowed(folder), refused) << folder;
  EXPECT_EQ(ui.messages.size(), 3u);  // one for each refusal
  // A link into the program folder counts as being there.
  fs::create_directory_symlink("/usr/share", tmp.Path() + "link");
  EXPECT_TRUE(actions.FolderNotAllowed(tmp.Path() + "link/"));
}

TEST_F(BackupTest, YesCopiesTheCurrentSetupToTheNewFolder) {
  ui.AnswerFolder(data);                    // the current folder: nothing asked, nothing saved
  ui.AnswerFolder("/usr/share/corvinade");  // refused, no question
  actions.DataDirButton();
  actions.DataDirButton();
  EXPECT_EQ(ui.messages.size(), 1u);
  EXPECT_TRUE(store.savedTo.empty());
  const std::string moved = tmp.Sub("moved");
  settings.MainTop = 42;
  ui.AnswerFolder(moved.substr(0, moved.size() - 1));
  ui.Answer(MsgResult::Yes);
  actions.DataDirButton();
  EXPECT_EQ(dirs.DataDir, moved);
  EXPECT_EQ(ReadTextFile(moved + "corvinade.dat"), store.contents);
  EXPECT_EQ(IniValue(dirs.DefaultDataDir + "Network.ini", "Directories", "DataDir"), moved);
  EXPECT_EQ(IniValue(moved + "corvinade.ini", "Windows", "MainTop"), "42");
}

TEST_F(BackupTest, NoLoadsTheFilesFoundInTheNewFolder) {
  const std::string other = tmp.Sub("other");
  Pair(other, "", "[Windows]\r\nMainTop=77\r\n", "their buttons");
  settings.MainTop = 5;
  ui.AnswerFolder(other);
  ui.Answer(MsgResult::No);
  actions.DataDirButton();
  EXPECT_EQ(store.savedTo, std::vector<std::string>{data});  // the old folder keeps the current state
  EXPECT_EQ(dirs.DataDir, other);
  EXPECT_EQ(store.loadedContents, std::vector<std::string>{"their buttons"});
  EXPECT_EQ(settings.MainTop, 77);
  EXPECT_EQ(redraws, 1);

  ui.AnswerFolder(data);
  ui.Answer(MsgResult::Cancel);
  actions.DataDirButton();
  EXPECT_EQ(dirs.DataDir, other);
}

TEST_F(BackupTest, AFolderThatCannotTakeTheFilesIsNotAdopted) {
  const std::string locked = tmp.Sub("locked");
  if (!test::MakeFolderReadOnly(locked)) GTEST_SKIP() << "cannot make a folder read-only here";
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
  EXPECT_EQ(watched, share);
  EXPECT_EQ(IniValue(dirs.DefaultDataDir + "Network.ini", "Share", "ShareDir"), share);

  watched.clear();
  ui.AnswerFolder(share);
  actions.ShareDirButton();
  EXPECT_TRUE(watched.empty());
}

}  // namespace
}  // namespace cvd
