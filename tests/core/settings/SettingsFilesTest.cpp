#include "core/settings/SettingsFiles.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

#include "core/data/DataFile.h"
#include "core/settings/NetworkIni.h"
#include "support/SampleData.h"
#include "support/SettingsFilesSetup.h"

namespace cvd {
namespace {

using test::ReadTextFile;
using test::WriteTextFile;
using SettingsFilesTest = test::SettingsFilesSetup;

TEST_F(SettingsFilesTest, AFirstStartUsesTheDefaultFolderAndDefaults) {
  files.LoadSettings();
  EXPECT_EQ(dirs.DataDir, dirs.DefaultDataDir);
  EXPECT_EQ(dirs.ShareDir, dirs.DefaultDataDir);
  // Group files are the user's own: their dialogs start at home, not beside the program.
  const char* homeVariable = std::getenv("HOME");
  ASSERT_NE(homeVariable, nullptr);
  const std::string home = WithTrailingSlash(homeVariable);
  EXPECT_EQ(dirs.ImportDir, home);
  EXPECT_EQ(dirs.ExportDir, home);
  EXPECT_TRUE(ui.messages.empty());
  EXPECT_EQ(store.loadedFrom, std::vector<std::string>{dirs.DefaultDataDir});
  EXPECT_EQ(settings.QuickFixes, DefaultQuickFixes());
  EXPECT_EQ(settings.BackupDirectory, dirs.DefaultDataDir);
}

TEST_F(SettingsFilesTest, AMissingDataFolderIsReportedAndTheDefaultFolderUsed) {
  WriteTextFile(dirs.DefaultDataDir + "Network.ini", "[Directories]\r\nDataDir=/gone/away\r\n");
  WriteTextFile(dirs.DefaultDataDir + "corvinade.ini", "[Windows]\r\nMainTop=333\r\n");
  files.LoadSettings();
  ASSERT_EQ(ui.messages.size(), 1u);
  EXPECT_EQ(ui.messages[0].text.rfind(std::string(kDataDirMissingText) + "/gone/away/\n", 0), 0u);
  EXPECT_EQ(dirs.DataDir, dirs.DefaultDataDir);
  EXPECT_EQ(store.loadedFrom, std::vector<std::string>{dirs.DefaultDataDir});
  EXPECT_EQ(settings.MainTop, 333);
}

TEST_F(SettingsFilesTest, NetworkSettingsNameTheFoldersAndSharing) {
  const std::string data = tmp.Sub("data");
  WriteTextFile(dirs.ProgramDir + "Network.ini",  // an older copy beside the program
                "[Directories]\r\nDataDir=" + data.substr(0, data.size() - 1) +
                    "\r\nExportDir=/ex\r\n[Share]\r\nShareDir=/share/\r\nShareLine=17\r\nEnabled=1\r\nStartup=1\r\n");
  WriteTextFile(data + "corvinade.ini", "[Windows]\r\nMainTop=444\r\n");
  files.SetShareFileLineCounter([](const std::string&) { return 99; });
  files.LoadSettings();
  EXPECT_EQ(ReadTextFile(dirs.DefaultDataDir + "Network.ini"), ReadTextFile(dirs.ProgramDir + "Network.ini"));
  EXPECT_EQ(dirs.DataDir, data);
  EXPECT_EQ(dirs.ExportDir, "/ex/");
  EXPECT_EQ(settings.ShareLine, 17);  // shared clips are loaded on start: keep the stored line
  EXPECT_EQ(settings.MainTop, 444);
  EXPECT_EQ(store.loadedFrom, std::vector<std::string>{data});

  WriteTextFile(dirs.DefaultDataDir + "Network.ini", "[Share]\r\nShareDir=/share/\r\nShareLine=17\r\nStartup=0\r\n");
  std::string counted;
  files.SetShareFileLineCounter([&](const std::string& folder) {
    counted = folder;
    return 99;
  });
  files.LoadSettings();
  EXPECT_EQ(counted, "/share/");
  EXPECT_EQ(settings.ShareLine, 99);
}

// The data file is read ahead from the folder the settings will most likely
// use; a wrong guess costs the start-up a second read.
TEST_F(SettingsFilesTest, TheLikelyDataFolderIsTheOneTheSettingsUse) {
  const std::string data = tmp.Sub("data");
  const std::string named = data.substr(0, data.size() - 1);  // as written, without the "/"
  const struct {
    const char* what;
    std::string network;  // empty: no Network.ini
  } cases[] = {
      {"no network settings", ""},
      {"a folder that is there", "[Directories]\r\nDataDir=" + named + "\r\n"},
      {"a folder that is gone", "[Directories]\r\nDataDir=/gone/away\r\n"},
      {"only share settings", "[Share]\r\nShareDir=" + named + "\r\n"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    std::filesystem::remove(dirs.DefaultDataDir + "Network.ini");
    if (!c.network.empty()) WriteTextFile(dirs.DefaultDataDir + "Network.ini", c.network);
    const std::string likely = LikelyDataDir(dirs.DefaultDataDir);
    files.LoadSettings();
    EXPECT_EQ(likely, dirs.DataDir);
  }
}

TEST_F(SettingsFilesTest, ColoursFavouritesAndLegacyKeysAreReadOnlyWithADataFile) {
  const std::string ini =
      "[Colors]\r\nTextColor=clRed\r\n[Favorites]\r\nNumFavs=2\r\nTextColor1=clLime\r\n[Button]\r\nWidth=150\r\n";
  WriteTextFile(dirs.DefaultDataDir + "corvinade.ini", ini);
  files.LoadSettings();
  EXPECT_EQ(settings.DefTextColor, clBlack);
  EXPECT_EQ(settings.NumFavs, 1);
  EXPECT_EQ(store.lastLegacy.ButtonWidth, 100);

  WriteTextFile(dirs.DefaultDataDir + "corvinade.dat", "x");
  files.LoadSettings();
  EXPECT_EQ(settings.DefTextColor, clRed);
  EXPECT_EQ(settings.FavTextColor[1], 0x00FF00);
  EXPECT_EQ(store.lastLegacy.ButtonWidth, 150);
}

TEST_F(SettingsFilesTest, SavedSettingsLoadBackTheSame) {
  files.LoadSettings();
  settings.MainTop = 77;
  settings.ShareClipboard = true;
  settings.ShareLine = 12;
  dirs.ExportDir = "/export/";
  table.CurrentGroup = 2;
  ASSERT_TRUE(files.SaveSettings());
  EXPECT_EQ(settings.LastGroup, 1);
  const Settings saved = settings;

  settings = Settings{};
  files.LoadSettings();
  EXPECT_EQ(settings, saved);
  EXPECT_EQ(dirs.ExportDir, "/export/");
  EXPECT_TRUE(ui.messages.empty());
}

TEST_F(SettingsFilesTest, SavingWritesSettingsThenDataThenNetworkAndKeepsUnknownKeys) {
  files.LoadSettings();
  WriteTextFile(dirs.DataDir + "corvinade.ini", "[Mine]\r\nKeep=yes\r\n[Windows]\r\nMainTop=1\r\n");
  settings.MainTop = 55;
  bool sawSettings = false, sawNetwork = true;
  store.onSave = [&] {
    sawSettings = IniValue(dirs.DataDir + "corvinade.ini", "Windows", "MainTop") == "55";
    sawNetwork = std::filesystem::exists(dirs.DefaultDataDir + "Network.ini");
  };
  ASSERT_TRUE(files.SaveSettings());
  EXPECT_TRUE(sawSettings);
  EXPECT_FALSE(sawNetwork);
  EXPECT_EQ(IniValue(dirs.DataDir + "corvinade.ini", "Mine", "Keep"), "yes");
  EXPECT_EQ(IniValue(dirs.DefaultDataDir + "Network.ini", "Directories", "DataDir"), dirs.DataDir);
  EXPECT_EQ(ReadTextFile(dirs.DataDir + "corvinade.dat"), store.contents);
}

TEST_F(SettingsFilesTest, AReadOnlyDataFolderIsReportedAndItsFilesStayWhole) {
  const std::string data = tmp.Sub("data");
  WriteTextFile(dirs.DefaultDataDir + "Network.ini", "[Directories]\r\nDataDir=" + data + "\r\n");
  WriteTextFile(data + "corvinade.ini", "[Windows]\r\nMainTop=5\r\n");
  WriteTextFile(data + "corvinade.dat", "old");
  files.LoadSettings();
  if (!test::MakeFolderReadOnly(data)) GTEST_SKIP() << "cannot make a folder read-only here";
  settings.MainTop = 6;
  EXPECT_FALSE(files.SaveSettings());
  ASSERT_EQ(ui.messages.size(), 1u);
  // One message names both files.
  EXPECT_NE(ui.messages[0].text.find(data + "corvinade.ini"), std::string::npos);
  EXPECT_NE(ui.messages[0].text.find(data + "corvinade.dat"), std::string::npos);
  EXPECT_EQ(ReadTextFile(data + "corvinade.ini"), "[Windows]\r\nMainTop=5\r\n");
  EXPECT_EQ(ReadTextFile(data + "corvinade.dat"), "old");
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(data), std::filesystem::directory_iterator()), 2);
  // Network.ini lives elsewhere and is still written.
  EXPECT_EQ(IniValue(dirs.DefaultDataDir + "Network.ini", "Directories", "DataDir"), data);
}

TEST_F(SettingsFilesTest, AVanishedDataFolderIsReportedNotCreated) {
  const std::string data = tmp.Sub("data");
  WriteTextFile(dirs.DefaultDataDir + "Network.ini", "[Directories]\r\nDataDir=" + data + "\r\n");
  files.LoadSettings();
  std::filesystem::remove_all(data);
  EXPECT_FALSE(files.SaveSettings());
  ASSERT_EQ(ui.messages.size(), 1u);
  EXPECT_NE(ui.messages[0].text.find(data + "corvinade.ini"), std::string::npos);
  EXPECT_FALSE(std::filesystem::exists(data));
}

TEST_F(SettingsFilesTest, TheSearchWindowWritesOnlyItsOwnSection) {
  files.LoadSettings();
  WriteTextFile(dirs.DataDir + "corvinade.ini", "[Windows]\r\nMainTop=5\r\n");
  settings.MainTop = 99;
  settings.SearchXPosition = 123;
  ASSERT_TRUE(files.SaveSearchWindowSettings());
  EXPECT_EQ(IniValue(dirs.DataDir + "corvinade.ini", "Windows", "MainTop"), "5");
  EXPECT_EQ(IniValue(dirs.DataDir + "corvinade.ini", "SearchWindow", "XPosition"), "123");
}

TEST_F(SettingsFilesTest, TheDesktopsGrantIsKeptInItsOwnSectionBesideUnknownKeys) {
  files.LoadSettings();
  const std::string path = dirs.DataDir + "corvinade.ini";
  WriteTextFile(path, "[Windows]\r\nMainTop=5\r\n[Portal]\r\nLater=1\r\n");
  settings.MainTop = 99;
  settings.PortalRestoreToken = "grant-1";
  ASSERT_TRUE(files.SavePortalSettings());
  EXPECT_EQ(IniValue(path, "Windows", "MainTop"), "5");
  EXPECT_EQ(IniValue(path, "Portal", "Later"), "1");
  files.LoadSettings();
  EXPECT_EQ(settings.PortalRestoreToken, "grant-1");
  // A grant used up is written empty, never left behind.
  settings.PortalRestoreToken.clear();
  ASSERT_TRUE(files.SaveSettings());
  EXPECT_EQ(IniValue(path, "Portal", "RestoreToken"), "");
  // A settings file that never held a grant gets no section.
  WriteTextFile(path, "[Windows]\r\nMainTop=5\r\n");
  ASSERT_TRUE(files.SaveSettings());
  IniFile ini;
  ini.Load(path);
  EXPECT_FALSE(ini.HasSection("Portal"));
}

TEST_F(SettingsFilesTest, TheRealDataFileTakesTheLegacyDisplayFromTheSettingsFile) {
  // A data file that ends after its first block, as older versions wrote it.
  GroupTable old;
  old.Groups.push_back(test::SampleGroup("Old", 1, 1, 1));
  old.GroupList = {"Old"};
  const std::string bytes = test::Join(test::Lines(WriteDataFile(old)), 2 + 8 + 3 * 2);
  WriteTextFile(dirs.DefaultDataDir + "corvinade.dat", bytes);
  WriteTextFile(dirs.DefaultDataDir + "corvinade.ini", "[Button]\r\nWidth=150\r\n");
  GroupTableStore realStore(table, dirs.ProgramDir, ui);
  SettingsFiles files(settings, dirs, table, ui, ui, realStore);
  files.LoadSettings();
  ASSERT_EQ(table.GroupList, std::vector<std::string>{"Old"});
  EXPECT_EQ(table.Groups[1].ButtonWidth, 150);
  EXPECT_TRUE(ui.messages.empty());
}

}  // namespace
}  // namespace cvd
