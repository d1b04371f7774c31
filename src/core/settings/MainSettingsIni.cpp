#include "core/settings/MainSettingsIni.h"

#include <algorithm>

#include "core/settings/Directories.h"
#include "core/util/Files.h"
#include "core/util/ProgramFiles.h"

namespace cvd {
namespace {

const std::string kWindows = "Windows";
const std::string kClipboard = "Clipboard";
const std::string kFade = "Fade";
const std::string kBackup = "Backup";
const std::string kSearch = "SearchWindow";
const std::string kDontAsk = "DontAsk";
const std::string kGroups = "Groups";
const std::string kColors = "Colors";
const std::string kFavorites = "Favorites";
const std::string kHotKeys = "HotKeys";
const std::string kQuickFixes = "QuickFixes";
const std::string kDelimiters = "Delimiters";
const std::string kPasteKeys = "PasteKeys";

std::string Numbered(const char* key, int i) { return key + std::to_string(i); }

// A stored count, limited to 0 .. capacity.
int ReadCount(const IniFile& ini, const std::string& section, const char* key, int capacity) {
  return std::clamp(ini.ReadInteger(section, key, 0), 0, capacity);
}

int InRangeOr(int value, int low, int high, int fallback) { return value < low || value > high ? fallback : value; }

void ReadWindows(const IniFile& ini, Settings& s, const ScreenGeometry& screen) {
  s.MainLeft = CorrectMainLeft(ini.ReadInteger(kWindows, "MainLeft", screen.width - 300), screen);
  s.MainTop = CorrectMainTop(ini.ReadInteger(kWindows, "MainTop", 200), screen);

  s.EditWidth = ini.ReadInteger(kWindows, "EditWidth", 400);
  s.EditHeight = ini.ReadInteger(kWindows, "EditHeight", 250);
  s.EditLeft = CorrectEditLeft(ini.ReadInteger(kWindows, "EditLeft", CentredPosition(screen.width, s.EditWidth)), screen);
  s.EditTop = CorrectEditTop(ini.ReadInteger(kWindows, "EditTop", CentredPosition(screen.height, s.EditHeight)), screen);

  s.QuickFixWidth = ini.ReadInteger(kWindows, "QuickFixWidth", 350);
  s.QuickFixHeight = ini.ReadInteger(kWindows, "QuickFixHeight", 200);
  s.QuickFixLeft = CorrectDialogLeft(
      ini.ReadInteger(kWindows, "QuickFixLeft", CentredPosition(screen.width, s.QuickFixWidth)), screen);
  s.QuickFixTop = CorrectDialogTop(
      ini.ReadInteger(kWindows, "QuickFixTop", CentredPosition(screen.height, s.QuickFixHeight)), screen);

  s.SetupWidth = ini.ReadInteger(kWindows, "SetupWidth", 300);
  s.SetupHeight = ini.ReadInteger(kWindows, "SetupHeight", 250);
  s.SetupLeft =
      CorrectDialogLeft(ini.ReadInteger(kWindows, "SetupLeft", CentredPosition(screen.width, s.SetupWidth)), screen);
  s.SetupTop =
      CorrectDialogTop(ini.ReadInteger(kWindows, "SetupTop", CentredPosition(screen.height, s.SetupHeight)), screen);

  s.ShowOnStart = ini.ReadBool(kWindows, "ShowOnStart", true);
}

void ReadSearchWindow(const IniFile& ini, Settings& s, const ScreenGeometry& screen) {
  s.SearchHeight = ini.ReadInteger(kSearch, "Height", 300);
  s.SearchWidth = ini.ReadInteger(kSearch, "Width", 300);
  s.SearchXPosition = CorrectSearchX(
      ini.ReadInteger(kSearch, "XPosition", CentredPosition(screen.width, s.SearchWidth)), s.SearchWidth, screen);
  s.SearchYPosition = CorrectSearchY(
      ini.ReadInteger(kSearch, "YPosition", CentredPosition(screen.height, s.SearchHeight)), s.SearchHeight, screen);
  s.SearchAllGroups = ini.ReadBool(kSearch, "SearchAllGroups", true);
  s.CaseSensitive = ini.ReadBool(kSearch, "CaseSensitive", false);
  s.SearchButtonName = ini.ReadBool(kSearch, "SearchButtonName", true);
  s.SearchButtonTextMenu = ini.ReadBool(kSearch, "SearchButtonTextMenu", true);
}

void ReadQuickFixes(const IniFile& ini, Settings& s) {
  s.QuickFixes.Entries.clear();
  s.QuickFixHotKeys.clear();
  const int count = ReadCount(ini, kQuickFixes, "NumFix", kMaxQuickFixes);
  for (int i = 1; i <= count; ++i) {
    const std::string name = ini.ReadString(kQuickFixes, Numbered("Name", i), "Error");
    const std::string action = ini.ReadString(kQuickFixes, Numbered("Action", i), "Error");
    s.QuickFixes.Entries.push_back(name + "=" + action);
    s.QuickFixHotKeys.push_back(IsReservedHotKeyName(name) ? 0 : ini.ReadInteger(kHotKeys, name, 0));
  }
}

void ReadDelimiters(const IniFile& ini, Settings& s) {
  s.Delimiters.clear();
  const int count = ReadCount(ini, kDelimiters, "NumDelim", kMaxDelimiters);
  for (int i = 0; i < count; ++i) {
    s.Delimiters.push_back({ini.ReadString(kDelimiters, Numbered("Name", i), "Error"),
                            ini.ReadString(kDelimiters, Numbered("Value", i), "Error")});
  }
  if (s.Delimiters.empty()) s.Delimiters = DefaultDelimiters();
}

void ReadPasteKeys(const IniFile& ini, Settings& s) {
  s.PasteKeys.clear();
  const int count = ReadCount(ini, kPasteKeys, "NumPasteKey", kMaxPasteKeys);
  for (int i = 1; i <= count; ++i) {
    s.PasteKeys.push_back({ini.ReadString(kPasteKeys, Numbered("Title", i), "Error"),
                           ini.ReadInteger(kPasteKeys, Numbered("Match", i), 0),
                           ini.ReadString(kPasteKeys, Numbered("Key", i), "Error"),
                           ini.ReadInteger(kPasteKeys, Numbered("Delay", i), 200)});
  }
  if (s.PasteKeys.empty()) s.PasteKeys = DefaultPasteMethods();
}

}  // namespace

void ClearSettingsLists(Settings& s) {
  s.PasteKeys.clear();
  s.QuickFixes.Entries.clear();
  s.QuickFixHotKeys.clear();
  s.Delimiters.clear();
  s.NumFavs = 0;
}

void ReadEarlySettings(const IniFile& ini, Settings& s, const LegacyDefaults& defaults) {
  LegacyDisplay& legacy = s.Legacy;
  legacy.ButtonWidth = InRangeOr(ini.ReadInteger("Button", "Width", 100), 50, 200, 100);
  legacy.ButtonHeight = InRangeOr(ini.ReadInteger("Button", "Height", 22), 10, 40, 22);
  legacy.FillMode = ini.ReadBool(kClipboard, "FillMode", true) ? 1 : 2;
  legacy.SoundFile = ini.ReadString("Sound", "FileName", FindProgramFile(defaults.ProgramDir, "copy.wav"));
  legacy.PlaySound = ini.ReadBool("Sound", "PlaySound", true) && FileExists(legacy.SoundFile);
  legacy.FontName = ini.ReadString("Font", "Name", defaults.FontName);
  legacy.FontSize = ini.ReadInteger("Font", "Size", defaults.FontSize);
  legacy.FontStyle = 0;
  if (ini.ReadBool("Font", "Italic", false)) legacy.FontStyle |= fsItalic;
  if (ini.ReadBool("Font", "Bold", false)) legacy.FontStyle |= fsBold;
  legacy.CopyDups = ini.ReadInteger(kClipboard, "AddReCopy", 0);
  legacy.TrackUsed = ini.ReadBool(kClipboard, "TrackUsed", true);
  legacy.ShowHints = ini.ReadBool("Hint", "ShowMulti", true);
  legacy.HintType = ini.ReadInteger("Hint", "MultiPos", 2);

  s.DefTextColor = ini.ReadColor(kColors, "TextColor", clBlack);
  s.DefButtonColor = ini.ReadColor(kColors, "ButtonColor", clBtnFace);
  s.NumFavs = ReadCount(ini, kFavorites, "NumFavs", kMaxFavorites);
  for (int n = 0; n < s.NumFavs; ++n) {
    s.FavTextColor[n] = ini.ReadColor(kFavorites, Numbered("TextColor", n), clBlack);
    s.FavButtonColor[n] = ini.ReadColor(kFavorites, Numbered("ButtonColor", n), clBtnFace);
  }
}

void ReadMainSettings(const IniFile& ini, Settings& s, const ScreenGeometry& screen, const std::string& dataDir) {
  ReadWindows(ini, s, screen);

  s.DontCopy = ini.ReadBool(kClipboard, "DontCopyWhenMinimized", false);
  s.AdvWinTrack = ini.ReadBool(kClipboard, "AdvWinTrack", true);

  s.FadeOutOption = ini.ReadBool(kFade, "FadeOut", true);
  s.RollupOption = ini.ReadBool(kFade, "Rollup", false);
  s.MinimizeOption = ini.ReadBool(kFade, "Minimize", false);
  s.RestoreOnCopy = ini.ReadBool(kFade, "Restore", true);
  s.FadeTime = ini.ReadString(kFade, "FadeTime", "5");

  s.BackupDirectory = WithTrailingSlash(ini.ReadString(kBackup, "Directory", dataDir));
  if (!DirectoryExists(s.BackupDirectory)) s.BackupDirectory = dataDir;
  s.AutoBackup = ini.ReadBool(kBackup, "AutoBackup", true);
  s.BackupTime = ini.ReadTime(kBackup, "BackupTime", TimeOfDay{12, 0, 0});

  ReadSearchWindow(ini, s, screen);

  s.DontAskClearAll = ini.ReadBool(kDontAsk, "ClearAll", false);
  s.DontAskUnused = ini.ReadBool(kDontAsk, "Unused", false);
  s.DontAskClearBut = ini.ReadBool(kDontAsk, "ClearBut", false);
  s.DontAskDelete = ini.ReadBool(kDontAsk, "Delete", false);

  s.FadeLevel = ini.ReadString(kFade, "FadeLevel", "128");
  if (!ParseInteger(s.FadeLevel)) s.FadeLevel = "128";

  s.LastGroup = ini.ReadInteger(kGroups, "LastGroup", 0);

  s.HotKeysEnabled = ini.ReadBool(kHotKeys, "Enabled", true);
  for (int i = 0; i < kNumFixedHotKeys; ++i) {
    s.FixedHotKeys[i] = ini.ReadInteger(kHotKeys, kFixedHotKeys[i].label, kFixedHotKeys[i].defaultCode);
  }

  ReadQuickFixes(ini, s);
  ReadDelimiters(ini, s);
  ReadPasteKeys(ini, s);
  if (s.QuickFixes.Entries.empty()) {
    s.QuickFixes = DefaultQuickFixes();
    s.QuickFixHotKeys.assign(s.QuickFixes.Entries.size(), 0);
  }

  s.GestRight = ini.ReadInteger(kQuickFixes, "GestRight", 0);
  s.GestLeft = ini.ReadInteger(kQuickFixes, "GestLeft", 1);
  s.GestUp = ini.ReadInteger(kQuickFixes, "GestUp", 2);
  s.GestDown = ini.ReadInteger(kQuickFixes, "GestDown", 3);

  if (s.NumFavs == 0) {
    s.NumFavs = 1;
    s.FavTextColor[0] = clMaroon;
    s.FavButtonColor[0] = clYellow;
  }
}

void WriteMainSettings(IniTarget& ini, const Settings& s) {
  ini.WriteInteger(kWindows, "MainLeft", s.MainLeft);
  ini.WriteInteger(kWindows, "MainTop", s.MainTop);
  ini.WriteInteger(kWindows, "EditLeft", s.EditLeft);
  ini.WriteInteger(kWindows, "EditTop", s.EditTop);
  ini.WriteInteger(kWindows, "EditHeight", s.EditHeight);
  ini.WriteInteger(kWindows, "EditWidth", s.EditWidth);
  ini.WriteInteger(kWindows, "QuickFixLeft", s.QuickFixLeft);
  ini.WriteInteger(kWindows, "QuickFixTop", s.QuickFixTop);
  ini.WriteInteger(kWindows, "QuickFixHeight", s.QuickFixHeight);
  ini.WriteInteger(kWindows, "QuickFixWidth", s.QuickFixWidth);
  ini.WriteInteger(kWindows, "SetupLeft", s.SetupLeft);
  ini.WriteInteger(kWindows, "SetupTop", s.SetupTop);
  ini.WriteInteger(kWindows, "SetupHeight", s.SetupHeight);
  ini.WriteInteger(kWindows, "SetupWidth", s.SetupWidth);
  ini.WriteBool(kWindows, "ShowOnStart", s.ShowOnStart);

  ini.WriteBool(kClipboard, "DontCopyWhenMinimized", s.DontCopy);
  ini.WriteBool(kClipboard, "AdvWinTrack", s.AdvWinTrack);

  ini.WriteBool(kFade, "FadeOut", s.FadeOutOption);
  ini.WriteBool(kFade, "Rollup", s.RollupOption);
  ini.WriteBool(kFade, "Minimize", s.MinimizeOption);
  ini.WriteBool(kFade, "Restore", s.RestoreOnCopy);
  ini.WriteString(kFade, "FadeTime", s.FadeTime);
  ini.WriteString(kFade, "FadeLevel", s.FadeLevel);

  ini.WriteString(kBackup, "Directory", s.BackupDirectory);
  ini.WriteBool(kBackup, "AutoBackup", s.AutoBackup);
  ini.WriteTime(kBackup, "BackupTime", s.BackupTime);

  ini.WriteBool(kDontAsk, "ClearAll", s.DontAskClearAll);
  ini.WriteBool(kDontAsk, "Unused", s.DontAskUnused);
  ini.WriteBool(kDontAsk, "ClearBut", s.DontAskClearBut);
  ini.WriteBool(kDontAsk, "Delete", s.DontAskDelete);

  ini.WriteInteger(kGroups, "LastGroup", s.LastGroup);

  ini.WriteColor(kColors, "TextColor", s.DefTextColor);
  ini.WriteColor(kColors, "ButtonColor", s.DefButtonColor);

  ini.EraseSection(kFavorites);
  const int numFavs = std::clamp(s.NumFavs, 0, kMaxFavorites);
  ini.WriteInteger(kFavorites, "NumFavs", numFavs);
  for (int n = 0; n < numFavs; ++n) {
    ini.WriteColor(kFavorites, Numbered("TextColor", n), s.FavTextColor[n]);
    ini.WriteColor(kFavorites, Numbered("ButtonColor", n), s.FavButtonColor[n]);
  }

  ini.EraseSection(kHotKeys);
  ini.WriteBool(kHotKeys, "Enabled", s.HotKeysEnabled);
  for (int i = 0; i < kNumFixedHotKeys; ++i) ini.WriteInteger(kHotKeys, kFixedHotKeys[i].label, s.FixedHotKeys[i]);

  // Not erased: rows beyond the count stay in the file but are never read.
  ini.WriteInteger(kDelimiters, "NumDelim", static_cast<int>(s.Delimiters.size()));
  for (std::size_t i = 0; i < s.Delimiters.size(); ++i) {
    ini.WriteString(kDelimiters, Numbered("Name", static_cast<int>(i)), s.Delimiters[i].Name);
    ini.WriteString(kDelimiters, Numbered("Value", static_cast<int>(i)), s.Delimiters[i].Value);
  }

  ini.EraseSection(kPasteKeys);
  ini.WriteInteger(kPasteKeys, "NumPasteKey", s.NumPasteKey());
  for (int i = 1; i <= s.NumPasteKey(); ++i) {
    const PasteMethod& method = s.PasteKeys[i - 1];
    ini.WriteString(kPasteKeys, Numbered("Title", i), method.Title);
    ini.WriteInteger(kPasteKeys, Numbered("Match", i), method.Match);
    ini.WriteString(kPasteKeys, Numbered("Key", i), method.KeyMacro);
    ini.WriteInteger(kPasteKeys, Numbered("Delay", i), method.Delay);
  }

  ini.EraseSection(kQuickFixes);
  ini.WriteInteger(kQuickFixes, "NumFix", s.NumFix());
  for (int i = 1; i <= s.NumFix(); ++i) {
    const std::string& line = s.QuickFixes.Entries[i - 1];
    const std::string name = QuickFixName(line);
    ini.WriteString(kQuickFixes, Numbered("Name", i), name);
    ini.WriteString(kQuickFixes, Numbered("Action", i), QuickFixAction(line));
    // A quick fix named like a fixed key would overwrite that key.
    if (!IsReservedHotKeyName(name)) {
      const int code = static_cast<std::size_t>(i - 1) < s.QuickFixHotKeys.size() ? s.QuickFixHotKeys[i - 1] : 0;
      ini.WriteInteger(kHotKeys, name, code);
    }
  }
  ini.WriteInteger(kQuickFixes, "GestRight", s.GestRight);
  ini.WriteInteger(kQuickFixes, "GestLeft", s.GestLeft);
  ini.WriteInteger(kQuickFixes, "GestUp", s.GestUp);
  ini.WriteInteger(kQuickFixes, "GestDown", s.GestDown);
}

void WriteSearchWindowSettings(IniTarget& ini, const Settings& s) {
  ini.WriteInteger(kSearch, "XPosition", s.SearchXPosition);
  ini.WriteInteger(kSearch, "YPosition", s.SearchYPosition);
  ini.WriteInteger(kSearch, "Height", s.SearchHeight);
  ini.WriteInteger(kSearch, "Width", s.SearchWidth);
  ini.WriteBool(kSearch, "SearchAllGroups", s.SearchAllGroups);
  ini.WriteBool(kSearch, "CaseSensitive", s.CaseSensitive);
  ini.WriteBool(kSearch, "SearchButtonName", s.SearchButtonName);
  ini.WriteBool(kSearch, "SearchButtonTextMenu", s.SearchButtonTextMenu);
}

}  // namespace cvd
