#include "core/settings/MainSettingsIni.h"

#include <gtest/gtest.h>

#include <functional>

#include "support/SettingsPrinter.h"
#include "support/TempDir.h"

namespace cvd {
namespace {

using testing::TempDir;
using testing::WriteTextFile;

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

TEST(MainSettingsIniTest, AnEmptyFileGivesEveryDefault) {
  TempDir dir;
  Settings expected = DefaultSettings();
  expected.MainLeft = 1620;
  expected.EditLeft = 760, expected.EditTop = 415;
  expected.QuickFixLeft = 785, expected.QuickFixTop = 440;
  expected.SetupLeft = 810, expected.SetupTop = 415;
  expected.SearchXPosition = 810, expected.SearchYPosition = 390;
  expected.BackupDirectory = dir.Path();
  expected.Legacy.SoundFile = "/prog/copy.wav";
  expected.Legacy.PlaySound = false;  // no sound file there
    EXPECT_EQ(ReadAll("", dir.Path()), expected);

}

Settings ChangedSettings(const std::string& backupDir) {
  Settings s = DefaultSettings();
  s.MainLeft = 17, s.MainTop = 19;
  s.EditLeft = 101, s.EditTop = 102, s.EditWidth = 501, s.EditHeight = 302;
  s.QuickFixLeft = -40, s.QuickFixTop = -30, s.QuickFixWidth = 360, s.QuickFixHeight = 210;
  s.SetupLeft = 5, s.SetupTop = 6, s.SetupWidth = 310, s.SetupHeight = 260;
  s.ShowOnStart = false;
  s.DontCopy = true, s.AdvWinTrack = false;
  s.FadeOutOption = false, s.RollupOption = true, s.MinimizeOption = true, s.RestoreOnCopy = false;
  s.FadeTime = "abc", s.FadeLevel = "200";
  s.BackupDirectory = backupDir, s.AutoBackup = false, s.BackupTime = {7, 45, 0};
  s.SearchHeight = 310, s.SearchWidth = 320, s.SearchXPosition = 11, s.SearchYPosition = 12;
  s.SearchAllGroups = false, s.CaseSensitive = true, s.SearchButtonName = false, s.SearchButtonTextMenu = false;
  s.DontAskClearAll = true, s.DontAskUnused = true, s.DontAskClearBut = true, s.DontAskDelete = true;
  s.LastGroup = 3;
  s.DefTextColor = 0x123456, s.DefButtonColor = clInfoBk;
  s.NumFavs = 3;
  s.FavTextColor[0] = clRed, s.FavTextColor[1] = clWhite, s.FavTextColor[2] = 0x010203;
  s.FavButtonColor[0] = clBlue, s.FavButtonColor[1] = clBtnFace, s.FavButtonColor[2] = clNone;
  s.HotKeysEnabled = false;
  for (int i = 0; i < kNumFixedHotKeys; ++i) s.FixedHotKeys[i] = 100 + i;
  s.QuickFixes.Entries = {"Shout={Uppercase}", "a=b=c", "Blank Action=", " Spaced Name ={Lowercase}"};
  s.QuickFixHotKeys = {577, 0, 1089, 3};
  s.GestRight = 3, s.GestLeft = 2, s.GestUp = 1, s.GestDown = 0;
  s.Delimiters = {{"Space", " "}, {"Tab", "{Tab}"}, {"Quote", "\"x\""}};
  s.PasteKeys = {{"Terminal", 0, "{Ctrl {Shift v}}", 150}, {"xterm", 3, "{Shift {Insert}}", 50}};
  s.Legacy.SoundFile = "/prog/copy.wav";
  s.Legacy.PlaySound = false;
  return s;
}

TEST(MainSettingsIniTest, EverythingWrittenReadsBackTheSame) {
  TempDir dir;
  const Settings original = ChangedSettings(dir.Path());
  EXPECT_EQ(ReadAll(WriteAll(original), dir.Path()), original);
}

TEST(MainSettingsIniTest, SaveWritesTheKeysInItsOrder) {
  TempDir dir;
  Settings s = DefaultSettings();
  s.QuickFixes.Entries = {"Change to Uppercase={Uppercase}"};
  s.QuickFixHotKeys = {600};
  s.BackupDirectory = "/b/";
  const std::string text = WriteAll(s);
  const char* expectedStart =
      "[Windows]\r\nMainLeft=1620\r\nMainTop=200\r\nEditLeft=0\r\nEditTop=0\r\nEditHeight=250\r\nEditWidth=400\r\n"
      "QuickFixLeft=0\r\nQuickFixTop=0\r\nQuickFixHeight=200\r\nQuickFixWidth=350\r\nSetupLeft=0\r\nSetupTop=0\r\n"
      "SetupHeight=250\r\nSetupWidth=300\r\nShowOnStart=1\r\n\r\n"
      "[Clipboard]\r\nDontCopyWhenMinimized=0\r\nAdvWinTrack=1\r\n\r\n"
      "[Fade]\r\nFadeOut=1\r\nRollup=0\r\nMinimize=0\r\nRestore=1\r\nFadeTime=5\r\nFadeLevel=128\r\n\r\n"
      "[Backup]\r\nDirectory=/b/\r\nAutoBackup=1\r\nBackupTime=12:00:00\r\n\r\n"
      "[DontAsk]\r\nClearAll=0\r\nUnused=0\r\nClearBut=0\r\nDelete=0\r\n\r\n"
      "[Groups]\r\nLastGroup=0\r\n\r\n"
      "[Colors]\r\nTextColor=clBlack\r\nButtonColor=clBtnFace\r\n\r\n"
      "[Favorites]\r\nNumFavs=1\r\nTextColor0=clMaroon\r\nButtonColor0=clYellow\r\n\r\n"
      "[HotKeys]\r\nEnabled=1\r\nEnable shortcut keys=837\r\n";
  EXPECT_EQ(text.substr(0, std::string(expectedStart).size()), expectedStart);
  EXPECT_NE(text.find("Search buttons=370\r\nChange to Uppercase=600\r\n\r\n[Delimiters]\r\nNumDelim=1\r\n"
                      "Name0=Comma\r\nValue0=,\r\n\r\n[PasteKeys]\r\nNumPasteKey=2\r\nTitle1=Command Prompt\r\n"
                      "Match1=1\r\nKey1={Alt {Space}}{Delay 100}ep\r\nDelay1=200\r\n"),
            std::string::npos)
      << text;
  EXPECT_NE(text.find("[QuickFixes]\r\nNumFix=1\r\nName1=Change to Uppercase\r\nAction1={Uppercase}\r\n"
                      "GestRight=0\r\nGestLeft=1\r\nGestUp=2\r\nGestDown=3\r\n"),
            std::string::npos)
      << text;
}

TEST(MainSettingsIniTest, AQuickFixLineSplitsAtItsFirstEqualsSign) {
  Settings s = DefaultSettings();
  s.QuickFixes.Entries = {"Change to Uppercase={Uppercase}", "Pad=x={Number %=}"};
  s.QuickFixHotKeys = {0, 12};
  IniFile ini;
  ini.LoadFromText(WriteAll(s));
  EXPECT_EQ(ini.Value("QuickFixes", "Name1"), "Change to Uppercase");
  EXPECT_EQ(ini.Value("QuickFixes", "Action1"), "{Uppercase}");
  EXPECT_EQ(ini.Value("HotKeys", "Change to Uppercase"), "0");
  EXPECT_EQ(ini.Value("QuickFixes", "Name2"), "Pad");
  EXPECT_EQ(ini.Value("QuickFixes", "Action2"), "x={Number %=}");
  EXPECT_EQ(ini.Value("HotKeys", "Pad"), "12");
}

TEST(MainSettingsIniTest, SavingFewerEntriesLeavesNoStaleKeys) {
  TempDir dir;
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
  for (const char* key : {"Title2", "Title3", "Key3", "Match2", "Delay3"}) {
    EXPECT_EQ(ini.Value("PasteKeys", key), std::nullopt) << key;
  }
  EXPECT_EQ(ini.Value("QuickFixes", "Name2"), std::nullopt);
  EXPECT_EQ(ini.Value("HotKeys", "a"), std::nullopt);  // the dropped quick fix's key
  EXPECT_EQ(ini.Value("Favorites", "TextColor2"), std::nullopt);
  // Delimiter rows are not erased: the surplus stays, unread.
  EXPECT_EQ(ini.Value("Delimiters", "Name3"), "Fourth");
  const Settings back = ReadAll(ini.ToText(), dir.Path());
  EXPECT_EQ(back.PasteKeys.size(), 1u);
  EXPECT_EQ(back.Delimiters, s.Delimiters);
}

TEST(MainSettingsIniTest, PositionsAreCorrectedAgainstTheScreen) {
  const ScreenGeometry single{1920, 1080, Rect{0, 0, 1920, 1080}};
  const ScreenGeometry leftMonitor{1920, 1080, Rect{-1280, -200, 3200, 1280}};
  using Get = std::function<int(const Settings&)>;
  const struct {
    const char* section;
    const char* key;
    int stored;
    const ScreenGeometry& screen;
    Get field;
    int expected;
  } cases[] = {
      {"Windows", "MainLeft", 5000, single, &Settings::MainLeft, 200},
      {"Windows", "MainLeft", 1900, single, &Settings::MainLeft, 1900},
      {"Windows", "MainLeft", 1901, single, &Settings::MainLeft, 200},
      {"Windows", "MainLeft", -10, single, &Settings::MainLeft, 200},
      {"Windows", "MainLeft", -10, leftMonitor, &Settings::MainLeft, -10},
      {"Windows", "MainLeft", -1281, leftMonitor, &Settings::MainLeft, 200},
      {"Windows", "MainTop", -1, single, &Settings::MainTop, 200},
      {"Windows", "MainTop", 1060, single, &Settings::MainTop, 1060},
      {"Windows", "MainTop", 1061, single, &Settings::MainTop, 200},
      {"Windows", "EditLeft", 1901, single, &Settings::EditLeft, 1520},
      {"Windows", "EditLeft", 1900, single, &Settings::EditLeft, 1900},
      {"Windows", "EditLeft", -5, single, &Settings::EditLeft, 100},
      {"Windows", "EditLeft", -5, leftMonitor, &Settings::EditLeft, -5},
      {"Windows", "EditTop", -1, single, &Settings::EditTop, 100},
      {"Windows", "EditTop", 1061, single, &Settings::EditTop, 100},
      {"Windows", "EditTop", 1060, single, &Settings::EditTop, 1060},
      {"Windows", "QuickFixLeft", 1901, single, &Settings::QuickFixLeft, 1520},
      {"Windows", "QuickFixLeft", -50, single, &Settings::QuickFixLeft, -50},
      {"Windows", "QuickFixTop", 1061, single, &Settings::QuickFixTop, 100},
      {"Windows", "QuickFixTop", -50, single, &Settings::QuickFixTop, -50},
      {"Windows", "SetupLeft", 2000, single, &Settings::SetupLeft, 1520},
      {"Windows", "SetupTop", 5000, single, &Settings::SetupTop, 100},
      {"SearchWindow", "XPosition", 1911, single, &Settings::SearchXPosition, 810},
      {"SearchWindow", "XPosition", 1910, single, &Settings::SearchXPosition, 1910},
      {"SearchWindow", "XPosition", -1, single, &Settings::SearchXPosition, 810},
      {"SearchWindow", "XPosition", -1000, leftMonitor, &Settings::SearchXPosition, -1000},
      {"SearchWindow", "YPosition", 1061, single, &Settings::SearchYPosition, 390},
      {"SearchWindow", "YPosition", 1060, single, &Settings::SearchYPosition, 1060},
      {"SearchWindow", "YPosition", -1, single, &Settings::SearchYPosition, 390},
      {"SearchWindow", "YPosition", -150, leftMonitor, &Settings::SearchYPosition, -150},
  };
  TempDir dir;
  for (const auto& c : cases) {
    const std::string text = std::string("[") + c.section + "]\r\n" + c.key + "=" + std::to_string(c.stored) + "\r\n";
    EXPECT_EQ(c.field(ReadAll(text, dir.Path(), c.screen)), c.expected) << c.key << "=" << c.stored;
  }
  // Centred defaults use the stored sizes.
  const Settings s = ReadAll("[Windows]\r\nEditWidth=1000\r\nEditHeight=80\r\n", dir.Path());
  EXPECT_EQ(s.EditLeft, 460);
  EXPECT_EQ(s.EditTop, 500);
}

TEST(MainSettingsIniTest, LegacyKeysAreCheckedAndMapped) {
  TempDir dir;
  WriteTextFile(dir.Path() + "ding.wav", "RIFF");
  const struct {
    std::string text;
    std::function<bool(const LegacyDisplay&)> check;
  } cases[] = {
      {"[Button]\nWidth=300\n", [](auto& l) { return l.ButtonWidth == 100; }},
      {"[Button]\nWidth=49\n", [](auto& l) { return l.ButtonWidth == 100; }},
      {"[Button]\nWidth=50\n", [](auto& l) { return l.ButtonWidth == 50; }},
      {"[Button]\nWidth=200\n", [](auto& l) { return l.ButtonWidth == 200; }},
      {"[Button]\nHeight=41\n", [](auto& l) { return l.ButtonHeight == 22; }},
      {"[Button]\nHeight=10\n", [](auto& l) { return l.ButtonHeight == 10; }},
      {"[Clipboard]\nFillMode=0\n", [](auto& l) { return l.FillMode == 2; }},
      {"[Clipboard]\nFillMode=1\n", [](auto& l) { return l.FillMode == 1; }},
      {"[Sound]\nPlaySound=1\nFileName=/nowhere.wav\n", [](auto& l) { return !l.PlaySound; }},
      {"[Sound]\nPlaySound=1\nFileName=" + dir.Path() + "ding.wav\n",
       [&](auto& l) { return l.PlaySound && l.SoundFile == dir.Path() + "ding.wav"; }},
      {"[Sound]\nPlaySound=0\nFileName=" + dir.Path() + "ding.wav\n", [](auto& l) { return !l.PlaySound; }},
      {"[Font]\nName=DejaVu Sans\nSize=12\nItalic=1\nBold=1\n",
       [](auto& l) { return l.FontName == "DejaVu Sans" && l.FontSize == 12 && l.FontStyle == (fsBold | fsItalic); }},
      {"[Font]\nBold=1\n", [](auto& l) { return l.FontStyle == fsBold; }},
      {"[Clipboard]\nAddReCopy=3\nTrackUsed=0\n", [](auto& l) { return l.CopyDups == 3 && !l.TrackUsed; }},
      {"[Hint]\nShowMulti=0\nMultiPos=3\n", [](auto& l) { return !l.ShowHints && l.HintType == 3; }},
  };
  for (const auto& c : cases) EXPECT_TRUE(c.check(ReadAll(c.text, dir.Path()).Legacy)) << c.text;
  // Legacy keys are never written.
  EXPECT_EQ(WriteAll(ReadAll("[Button]\nWidth=150\n", dir.Path())).find("[Button]"), std::string::npos);
}

TEST(MainSettingsIniTest, CountsBeyondTheCapacitiesAreNotRead) {
  TempDir dir;
  std::string text = "[PasteKeys]\nNumPasteKey=60\n[QuickFixes]\nNumFix=100\n[Favorites]\nNumFavs=20\n";
  for (int i = 1; i <= 100; ++i) text += "[QuickFixes]\nName" + std::to_string(i) + "=Q" + std::to_string(i) + "\n";
  text += "[Delimiters]\nNumDelim=2000000000\nName0=Space\nValue0=\" \"\n";
  const Settings s = ReadAll(text, dir.Path());
  EXPECT_EQ(s.NumPasteKey(), kMaxPasteKeys);
  EXPECT_EQ(s.PasteKeys[59 - 10], (PasteMethod{"Error", 0, "Error", 200}));
  EXPECT_EQ(s.NumFix(), kMaxQuickFixes);
  EXPECT_EQ(s.QuickFixes.Entries.back(), "Q51=Error");
  EXPECT_EQ(s.QuickFixHotKeys.size(), s.QuickFixes.Entries.size());
  EXPECT_EQ(s.NumFavs, kMaxFavorites);
  ASSERT_EQ(static_cast<int>(s.Delimiters.size()), kMaxDelimiters);
  EXPECT_EQ(s.Delimiters[0], (Delimiter{"Space", " "}));
  EXPECT_EQ(s.Delimiters[1], (Delimiter{"Error", "Error"}));
}

TEST(MainSettingsIniTest, WrongFormValuesGiveDefaultsOrTheirCorrection) {
  TempDir dir;
  const std::string text =
      "[Windows]\nMainLeft=left\nShowOnStart=yes\n[Fade]\nFadeLevel=12.5\nFadeTime=ten\n"
      "[Backup]\nBackupTime=noonish\nDirectory=/does/not/exist\n[Colors]\nTextColor=clNope\n"
      "[PasteKeys]\nNumPasteKey=-3\n[QuickFixes]\nNumFix=many\nGestUp=up\n[HotKeys]\nEnabled=\n"
      "[Favorites]\nNumFavs=1\nTextColor0=$GG\n";
  const Settings s = ReadAll(text, dir.Path());
  EXPECT_EQ(s.MainLeft, 1620);
  EXPECT_TRUE(s.ShowOnStart);
  EXPECT_EQ(s.FadeLevel, "128");
  EXPECT_EQ(s.FadeTime, "ten");  // a string, kept as it is
  EXPECT_EQ(s.BackupTime, (TimeOfDay{12, 0, 0}));
  EXPECT_EQ(s.BackupDirectory, dir.Path());
  EXPECT_EQ(s.DefTextColor, clBlack);
  EXPECT_EQ(s.PasteKeys, DefaultPasteMethods());
  EXPECT_EQ(s.QuickFixes, DefaultQuickFixes());
  EXPECT_EQ(s.GestUp, 2);
  EXPECT_TRUE(s.HotKeysEnabled);
  EXPECT_EQ(s.NumFavs, 1);
  EXPECT_EQ(s.FavTextColor[0], clBlack);

  // An existing backup folder written without its "/" gets one.
  const std::string sub = dir.Sub("bk");
  EXPECT_EQ(ReadAll("[Backup]\nDirectory=" + sub.substr(0, sub.size() - 1) + "\n", dir.Path()).BackupDirectory, sub);
}

TEST(MainSettingsIniTest, AQuickFixNamedLikeAFixedKeyDoesNotOverwriteIt) {
  TempDir dir;
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
