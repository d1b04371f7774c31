#include "core/settings/MainSettingsIni.h"

#include <gtest/gtest.h>

#include <functional>

#include "support/TempDir.h"

namespace cvd {
namespace {

using test::TempDir;
using test::WriteTextFile;

const ScreenGeometry kScreen{1920, 1080, Rect{0, 0, 1920, 1080}};

// Reads a file text as the start-up does: legacy keys, colours and favourites
// (as when a data file exists), then the rest.
Settings ReadAll(const std::string& text, const std::string& dataDir, const ScreenGeometry& screen = kScreen) {
  IniFile ini;
  ini.LoadFromText(text);
  Settings s = DefaultSettings();
  ClearSettingsLists(s);
  ReadEarlySettings(ini, s, LegacyDefaults{"/prog/"});
  ReadMainSettings(ini, s, screen, dataDir);
  return s;
}

std::string WriteAll(const Settings& s, const std::string& existing = "") {
  IniFile ini;
  ini.LoadFromText(existing);
  WriteMainSettings(ini, s);
  WriteSearchWindowSettings(ini, s);
  return ini.ToText();
}

Settings ChangedSettings(const std::string& backupDir) {
  Settings s = DefaultSettings();
  s.MainLeft = 17, s.MainTop = 19;
  s.EditLeft = 101, s.EditTop = 102, s.EditWidth = 501, s.EditHeight = 302;
  s.QuickFixLeft = -40, s.QuickFixTop = -30, s.QuickFixWidth = 360, s.QuickFixHeight = 210;
  s.SetupLeft = 5, s.SetupTop = 6, s.SetupWidth = 310, s.SetupHeight = 260;
  s.ShowOnStart = false, s.DontCopy = true, s.AdvWinTrack = false, s.LastGroup = 3, s.HotKeysEnabled = false;
  s.FadeOutOption = false, s.RollupOption = true, s.MinimizeOption = true, s.RestoreOnCopy = false;
  s.FadeTime = "abc", s.FadeLevel = "200";
  s.BackupDirectory = backupDir, s.AutoBackup = false, s.BackupTime = {7, 45, 0};
  s.SearchHeight = 310, s.SearchWidth = 320, s.SearchXPosition = 11, s.SearchYPosition = 12;
  s.SearchAllGroups = false, s.CaseSensitive = true, s.SearchButtonName = false, s.SearchButtonTextMenu = false;
  s.DontAskClearAll = true, s.DontAskUnused = true, s.DontAskClearBut = true, s.DontAskDelete = true;
  s.DefTextColor = 0x123456, s.DefButtonColor = clInfoBk, s.NumFavs = 3;
  s.FavTextColor[0] = clRed, s.FavTextColor[1] = clWhite, s.FavTextColor[2] = 0x010203;
  s.FavButtonColor[0] = clBlue, s.FavButtonColor[1] = clBtnFace, s.FavButtonColor[2] = clNone;
  for (int i = 0; i < kNumFixedHotKeys; ++i) s.FixedHotKeys[i] = 100 + i;
  s.QuickFixes.Entries = {"Shout={Uppercase}", "a=b=c", "Blank Action=", " Spaced Name ={Lowercase}"};
  s.QuickFixHotKeys = {577, 0, 1089, 3};
  s.GestRight = 3, s.GestLeft = 2, s.GestUp = 1, s.GestDown = 0;
  s.Delimiters = {{"Space", " "}, {"Tab", "{Tab}"}, {"Quote", "\"x\""}};
  s.PasteKeys = {{"Terminal", 0, "{Ctrl {Shift v}}", 150}, {"xterm", 3, "{Shift {Insert}}", 50}};
  s.Legacy.SoundFile = "/prog/copy.wav", s.Legacy.PlaySound = false;
  return s;
}

class MainSettingsIniTest : public ::testing::Test {
 protected:
  TempDir dir;  // the data folder
};

TEST_F(MainSettingsIniTest, EverythingWrittenReadsBackTheSame) {
  const Settings original = ChangedSettings(dir.Path());
  EXPECT_EQ(ReadAll(WriteAll(original), dir.Path()), original);
}

// Older versions read these names; the round trip above cannot notice a renamed key.
TEST_F(MainSettingsIniTest, KeysKeepTheirStoredNamesAndForms) {
  Settings s = ChangedSettings(dir.Path());
  s.QuickFixes.Entries = {"Pad=x={Number %=}"};
  s.QuickFixHotKeys = {12};
  IniFile ini;
  ini.LoadFromText(WriteAll(s));
  const char* expected[][3] = {
      {"Windows", "EditHeight", "302"},
      {"Clipboard", "DontCopyWhenMinimized", "1"},
      {"Fade", "Restore", "0"},
      {"Backup", "BackupTime", "07:45:00"},
      {"DontAsk", "ClearBut", "1"},
      {"Groups", "LastGroup", "3"},
      {"Colors", "ButtonColor", "clInfoBk"},
      {"Favorites", "TextColor2", "$00010203"},
      {"HotKeys", "Search buttons", "119"},
      {"HotKeys", "Pad", "12"},
      {"QuickFixes", "Name1", "Pad"},
      {"QuickFixes", "Action1", "x={Number %=}"},
      {"QuickFixes", "GestLeft", "2"},
      {"Delimiters", "Value2", "\"x\""},
      {"PasteKeys", "Key2", "{Shift {Insert}}"},
      {"PasteKeys", "Match2", "3"},
      {"SearchWindow", "CaseSensitive", "1"},
  };
  for (const auto& [section, key, value] : expected) EXPECT_EQ(ini.Value(section, key), value) << key;
}

TEST_F(MainSettingsIniTest, SavingFewerEntriesLeavesNoStaleKeys) {
  Settings s = ChangedSettings(dir.Path());
  s.PasteKeys.push_back({"third", 1, "x", 200});
  s.Delimiters.push_back({"Fourth", ";"});
  const std::string first = WriteAll(s);
  s.PasteKeys.resize(1);
  s.QuickFixes.Entries = {"Shout={Uppercase}"};
  s.QuickFixHotKeys = {577};
  s.NumFavs = 1;
  s.Delimiters.resize(1);
  IniFile ini;
  ini.LoadFromText(WriteAll(s, first));
  const char* gone[][2] = {
      {"PasteKeys", "Delay3"}, {"QuickFixes", "Name2"}, {"HotKeys", "a"}, {"Favorites", "TextColor2"}};
  for (const auto& [section, key] : gone)
    EXPECT_EQ(ini.Value(section, key), std::nullopt) << key;  // "a": a quick fix's
  // Delimiter rows are not erased: the surplus stays, unread.
  EXPECT_EQ(ini.Value("Delimiters", "Name3"), "Fourth");
  EXPECT_EQ(ReadAll(ini.ToText(), dir.Path()).Delimiters, s.Delimiters);
}

TEST_F(MainSettingsIniTest, PositionsAreCorrectedAgainstTheScreen) {
  const ScreenGeometry one{1920, 1080, Rect{0, 0, 1920, 1080}};
  const ScreenGeometry two{1920, 1080, Rect{-1280, -200, 3200, 1280}};  // a second monitor on the left
  const char *W = "Windows", *S = "SearchWindow";
  const std::tuple<const char*, const char*, int, ScreenGeometry, int Settings::*, int> cases[] = {
      {W, "MainLeft", 1900, one, &Settings::MainLeft, 1900},
      {W, "MainLeft", 1901, one, &Settings::MainLeft, 200},
      {W, "MainLeft", -10, one, &Settings::MainLeft, 200},
      {W, "MainLeft", -10, two, &Settings::MainLeft, -10},
      {W, "MainLeft", -1281, two, &Settings::MainLeft, 200},
      {W, "MainTop", 1061, one, &Settings::MainTop, 200},
      {W, "EditLeft", 1901, one, &Settings::EditLeft, 1520},
      {W, "QuickFixLeft", -50, one, &Settings::QuickFixLeft, -50},
      {W, "QuickFixTop", 1061, one, &Settings::QuickFixTop, 100},
      {W, "SetupTop", 5000, one, &Settings::SetupTop, 100},
      {S, "XPosition", 1911, one, &Settings::SearchXPosition, 810},
      {S, "YPosition", -1, one, &Settings::SearchYPosition, 390},
  };
  for (const auto& [section, key, stored, screen, field, expected] : cases) {
    const std::string text = std::string("[") + section + "]\r\n" + key + "=" + std::to_string(stored) + "\r\n";
    EXPECT_EQ(ReadAll(text, dir.Path(), screen).*field, expected) << key << "=" << stored;
  }
  // Centred defaults use the stored sizes.
  const Settings s = ReadAll("[Windows]\r\nEditWidth=1000\r\nEditHeight=80\r\n", dir.Path());
  EXPECT_EQ(s.EditLeft, 460);
  EXPECT_EQ(s.EditTop, 500);
}

TEST_F(MainSettingsIniTest, LegacyKeysAreCheckedAndMapped) {
  WriteTextFile(dir.Path() + "ding.wav", "RIFF");
  const std::pair<std::string, std::function<bool(const LegacyDisplay&)>> cases[] = {
      {"[Button]\nWidth=300\n", [](auto& l) { return l.ButtonWidth == 100; }},
      {"[Button]\nWidth=50\n", [](auto& l) { return l.ButtonWidth == 50; }},
      {"[Button]\nHeight=41\n", [](auto& l) { return l.ButtonHeight == 22; }},
      {"[Clipboard]\nFillMode=0\n", [](auto& l) { return l.FillMode == 2; }},
      {"[Sound]\nPlaySound=1\nFileName=/nowhere.wav\n", [](auto& l) { return !l.PlaySound; }},
      {"[Sound]\nPlaySound=1\nFileName=" + dir.Path() + "ding.wav\n",
       [&](auto& l) { return l.PlaySound && l.SoundFile == dir.Path() + "ding.wav"; }},
      {"[Font]\nName=DejaVu Sans\nSize=12\nItalic=1\nBold=1\n",
       [](auto& l) { return l.FontName == "DejaVu Sans" && l.FontSize == 12 && l.FontStyle == (fsBold | fsItalic); }},
      {"[Clipboard]\nAddReCopy=3\nTrackUsed=0\n", [](auto& l) { return l.CopyDups == 3 && !l.TrackUsed; }},
      {"[Hint]\nShowMulti=0\nMultiPos=3\n", [](auto& l) { return !l.ShowHints && l.HintType == 3; }},
  };
  for (const auto& [text, check] : cases) EXPECT_TRUE(check(ReadAll(text, dir.Path()).Legacy)) << text;
  // Legacy keys are never written.
  EXPECT_EQ(WriteAll(ReadAll("[Button]\nWidth=150\n", dir.Path())).find("[Button]"), std::string::npos);
}

TEST_F(MainSettingsIniTest, CountsBeyondTheCapacitiesAreNotRead) {
  std::string text = "[PasteKeys]\nNumPasteKey=60\n[QuickFixes]\nNumFix=100\n[Favorites]\nNumFavs=20\n";
  for (int i = 1; i <= 100; ++i) text += "[QuickFixes]\nName" + std::to_string(i) + "=Q" + std::to_string(i) + "\n";
  text += "[Delimiters]\nNumDelim=2000000000\nName0=Space\nValue0=\" \"\n";
  const Settings s = ReadAll(text, dir.Path());
  EXPECT_EQ(s.NumPasteKey(), kMaxPasteKeys);
  EXPECT_EQ(s.PasteKeys[59 - 10], (PasteMethod{"Error", 0, "Error", 200}));
  EXPECT_EQ(s.NumFix(), QuickFixList::kMaxEntries);  // the editor's limit, not more
  EXPECT_EQ(s.QuickFixes.Entries.back(), "Q49=Error");
  EXPECT_EQ(s.QuickFixHotKeys.size(), s.QuickFixes.Entries.size());
  EXPECT_EQ(s.NumFavs, kMaxFavoritePairs);
  ASSERT_EQ(static_cast<int>(s.Delimiters.size()), kMaxDelimiters);
  EXPECT_EQ(s.Delimiters[1], (Delimiter{"Error", "Error"}));
}

TEST_F(MainSettingsIniTest, WrongFormValuesGiveDefaultsOrTheirCorrection) {
  const std::string text =
      "[Windows]\nMainLeft=left\n[Fade]\nFadeLevel=12.5\nFadeTime=ten\n[Backup]\nBackupTime=noonish\n"
      "Directory=/does/not/exist\n[PasteKeys]\nNumPasteKey=-3\n[QuickFixes]\nNumFix=many\n"
      "[Favorites]\nNumFavs=1\nTextColor0=$GG\n";
  const Settings s = ReadAll(text, dir.Path());
  EXPECT_EQ(s.MainLeft, 1620);
  EXPECT_EQ(s.FadeLevel, "128");
  EXPECT_EQ(s.BackupTime, (TimeOfDay{12, 0, 0}));
  EXPECT_EQ(s.BackupDirectory, dir.Path());
  EXPECT_EQ(s.PasteKeys, DefaultPasteMethods());
  EXPECT_EQ(s.QuickFixes, DefaultQuickFixes());
  EXPECT_EQ(s.FavTextColor[0], clBlack);

  // An existing backup folder written without its "/" gets one.
  const std::string sub = dir.Sub("bk");
  EXPECT_EQ(ReadAll("[Backup]\nDirectory=" + sub.substr(0, sub.size() - 1) + "\n", dir.Path()).BackupDirectory, sub);
}

TEST_F(MainSettingsIniTest, AQuickFixNamedLikeAFixedKeyDoesNotOverwriteIt) {
  Settings s = DefaultSettings();
  s.HotKeysEnabled = false;
  s.QuickFixes.Entries = {"enabled={Uppercase}", "Search Buttons={Lowercase}"};
  s.QuickFixHotKeys = {1, 999};
  const Settings back = ReadAll(WriteAll(s), dir.Path());
  EXPECT_FALSE(back.HotKeysEnabled);
  EXPECT_EQ(back.FixedHotKeys[19], 370);
  EXPECT_EQ(back.QuickFixHotKeys, (std::vector<int>{0, 0}));
}

}  // namespace
}  // namespace cvd
