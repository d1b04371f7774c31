#include "core/settings/MainSettingsIni.h"

#include <algorithm>
#include <stdexcept>
#include <variant>

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

// Which write a key belongs to; each part is written as a whole where the
// save puts it (after its section was erased, where it is).
enum class Part { Main, Colors, HotKeys, Gestures, Search };
enum class Form { Integer, Bool, String, Time, Color };
using Field = std::variant<std::int32_t Settings::*, bool Settings::*, std::string Settings::*, TimeOfDay Settings::*>;

// One plain key: read into and written from one member, so that a key can
// never be read under one name and written under another. Unless `computed`,
// a missing key reads as the member's initial value; a computed key's default
// and correction depend on the screen or folders and are applied after reading.
struct Key {
  Part part;
  const std::string& section;
  const char* name;
  Form form;
  Field field;
  bool computed = false;
};

// In the order of the save.
const Key kKeys[] = {
    {Part::Main, kWindows, "MainLeft", Form::Integer, &Settings::MainLeft, true},
    {Part::Main, kWindows, "MainTop", Form::Integer, &Settings::MainTop, true},
    {Part::Main, kWindows, "EditLeft", Form::Integer, &Settings::EditLeft, true},
    {Part::Main, kWindows, "EditTop", Form::Integer, &Settings::EditTop, true},
    {Part::Main, kWindows, "EditHeight", Form::Integer, &Settings::EditHeight},
    {Part::Main, kWindows, "EditWidth", Form::Integer, &Settings::EditWidth},
    {Part::Main, kWindows, "QuickFixLeft", Form::Integer, &Settings::QuickFixLeft, true},
    {Part::Main, kWindows, "QuickFixTop", Form::Integer, &Settings::QuickFixTop, true},
    {Part::Main, kWindows, "QuickFixHeight", Form::Integer, &Settings::QuickFixHeight},
    {Part::Main, kWindows, "QuickFixWidth", Form::Integer, &Settings::QuickFixWidth},
    {Part::Main, kWindows, "SetupLeft", Form::Integer, &Settings::SetupLeft, true},
    {Part::Main, kWindows, "SetupTop", Form::Integer, &Settings::SetupTop, true},
    {Part::Main, kWindows, "SetupHeight", Form::Integer, &Settings::SetupHeight},
    {Part::Main, kWindows, "SetupWidth", Form::Integer, &Settings::SetupWidth},
    {Part::Main, kWindows, "ShowOnStart", Form::Bool, &Settings::ShowOnStart},
    {Part::Main, kClipboard, "DontCopyWhenMinimized", Form::Bool, &Settings::DontCopy},
    {Part::Main, kClipboard, "AdvWinTrack", Form::Bool, &Settings::AdvWinTrack},
    {Part::Main, kFade, "FadeOut", Form::Bool, &Settings::FadeOutOption},
    {Part::Main, kFade, "Rollup", Form::Bool, &Settings::RollupOption},
    {Part::Main, kFade, "Minimize", Form::Bool, &Settings::MinimizeOption},
    {Part::Main, kFade, "Restore", Form::Bool, &Settings::RestoreOnCopy},
    {Part::Main, kFade, "FadeTime", Form::String, &Settings::FadeTime},
    {Part::Main, kFade, "FadeLevel", Form::String, &Settings::FadeLevel},
    {Part::Main, kBackup, "Directory", Form::String, &Settings::BackupDirectory, true},
    {Part::Main, kBackup, "AutoBackup", Form::Bool, &Settings::AutoBackup},
    {Part::Main, kBackup, "BackupTime", Form::Time, &Settings::BackupTime},
    {Part::Main, kDontAsk, "ClearAll", Form::Bool, &Settings::DontAskClearAll},
    {Part::Main, kDontAsk, "Unused", Form::Bool, &Settings::DontAskUnused},
    {Part::Main, kDontAsk, "ClearBut", Form::Bool, &Settings::DontAskClearBut},
    {Part::Main, kDontAsk, "Delete", Form::Bool, &Settings::DontAskDelete},
    {Part::Main, kGroups, "LastGroup", Form::Integer, &Settings::LastGroup},
    {Part::Colors, kColors, "TextColor", Form::Color, &Settings::DefTextColor},
    {Part::Colors, kColors, "ButtonColor", Form::Color, &Settings::DefButtonColor},
    {Part::HotKeys, kHotKeys, "Enabled", Form::Bool, &Settings::HotKeysEnabled},
    {Part::Gestures, kQuickFixes, "GestRight", Form::Integer, &Settings::GestRight},
    {Part::Gestures, kQuickFixes, "GestLeft", Form::Integer, &Settings::GestLeft},
    {Part::Gestures, kQuickFixes, "GestUp", Form::Integer, &Settings::GestUp},
    {Part::Gestures, kQuickFixes, "GestDown", Form::Integer, &Settings::GestDown},
    {Part::Search, kSearch, "XPosition", Form::Integer, &Settings::SearchXPosition, true},
    {Part::Search, kSearch, "YPosition", Form::Integer, &Settings::SearchYPosition, true},
    {Part::Search, kSearch, "Height", Form::Integer, &Settings::SearchHeight},
    {Part::Search, kSearch, "Width", Form::Integer, &Settings::SearchWidth},
    {Part::Search, kSearch, "SearchAllGroups", Form::Bool, &Settings::SearchAllGroups},
    {Part::Search, kSearch, "CaseSensitive", Form::Bool, &Settings::CaseSensitive},
    {Part::Search, kSearch, "SearchButtonName", Form::Bool, &Settings::SearchButtonName},
    {Part::Search, kSearch, "SearchButtonTextMenu", Form::Bool, &Settings::SearchButtonTextMenu},
};

// The list keys: a count and numbered rows.
constexpr const char* kNumFavs = "NumFavs";
constexpr const char* kFavText = "TextColor";
constexpr const char* kFavButton = "ButtonColor";
constexpr const char* kNumFix = "NumFix";
constexpr const char* kFixName = "Name";
constexpr const char* kFixAction = "Action";
constexpr const char* kNumDelim = "NumDelim";
constexpr const char* kDelimName = "Name";
constexpr const char* kDelimValue = "Value";
constexpr const char* kNumPasteKey = "NumPasteKey";
constexpr const char* kPasteTitle = "Title";
constexpr const char* kPasteMatch = "Match";
constexpr const char* kPasteKey = "Key";
constexpr const char* kPasteDelay = "Delay";

template <class T>
T Settings::*FieldOf(const Key& key) {
  return std::get<T Settings::*>(key.field);
}

void ReadKey(const IniFile& ini, const Key& key, Settings& s) {
  static const Settings defaults;
  const auto read = [&](auto field, auto reader) { s.*field = (ini.*reader)(key.section, key.name, defaults.*field); };
  switch (key.form) {
    case Form::Integer: read(FieldOf<std::int32_t>(key), &IniFile::ReadInteger); break;
    case Form::Color: read(FieldOf<std::int32_t>(key), &IniFile::ReadColor); break;
    case Form::Bool: read(FieldOf<bool>(key), &IniFile::ReadBool); break;
    case Form::String: read(FieldOf<std::string>(key), &IniFile::ReadString); break;
    case Form::Time: read(FieldOf<TimeOfDay>(key), &IniFile::ReadTime); break;
  }
}

bool Readable(const std::string& value, Form form) {
  switch (form) {
    case Form::Integer: return ParseInteger(value).has_value();
    case Form::Color: return StringToColor(value).has_value();
    case Form::Bool: return ParseFlag(value).has_value();
    case Form::Time: return ParseTimeOfDay(value).has_value();
    case Form::String: return true;
  }
  return true;
}

void WriteKey(IniTarget& ini, const Key& key, const Settings& s) {
  switch (key.form) {
    case Form::Integer: ini.WriteInteger(key.section, key.name, s.*FieldOf<std::int32_t>(key)); break;
    case Form::Color: ini.WriteColor(key.section, key.name, s.*FieldOf<std::int32_t>(key)); break;
    case Form::Bool: ini.WriteBool(key.section, key.name, s.*FieldOf<bool>(key)); break;
    case Form::String: ini.WriteString(key.section, key.name, s.*FieldOf<std::string>(key)); break;
    case Form::Time: ini.WriteTime(key.section, key.name, s.*FieldOf<TimeOfDay>(key)); break;
  }
}

void ReadPart(const IniFile& ini, Part part, Settings& s) {
  for (const Key& key : kKeys) {
    if (key.part == part && !key.computed) ReadKey(ini, key, s);
  }
}

void WritePart(IniTarget& ini, Part part, const Settings& s) {
  for (const Key& key : kKeys) {
    if (key.part == part) WriteKey(ini, key, s);
  }
}

const Key& KeyOf(const Field& field) {
  for (const Key& key : kKeys) {
    if (key.field == field) return key;
  }
  throw std::logic_error("settings member without a key");
}

// A computed key with the default `fallback`.
std::int32_t ReadComputed(const IniFile& ini, std::int32_t Settings::*field, std::int32_t fallback) {
  const Key& key = KeyOf(field);
  return ini.ReadInteger(key.section, key.name, fallback);
}

std::string Numbered(const char* key, int i) { return key + std::to_string(i); }

// A stored count, limited to 0 .. capacity.
int ReadCount(const IniFile& ini, const std::string& section, const char* key, int capacity) {
  return std::clamp(ini.ReadInteger(section, key, 0), 0, capacity);
}

int InRangeOr(int value, int low, int high, int fallback) { return value < low || value > high ? fallback : value; }

void ReadWindows(const IniFile& ini, Settings& s, const ScreenGeometry& screen) {
  s.MainLeft = CorrectMainLeft(ReadComputed(ini, &Settings::MainLeft, screen.width - 300), screen);
  s.MainTop = CorrectMainTop(ReadComputed(ini, &Settings::MainTop, 200), screen);
  s.EditLeft =
      CorrectEditLeft(ReadComputed(ini, &Settings::EditLeft, CentredPosition(screen.width, s.EditWidth)), screen);
  s.EditTop =
      CorrectEditTop(ReadComputed(ini, &Settings::EditTop, CentredPosition(screen.height, s.EditHeight)), screen);
  s.QuickFixLeft = CorrectDialogLeft(
      ReadComputed(ini, &Settings::QuickFixLeft, CentredPosition(screen.width, s.QuickFixWidth)), screen);
  s.QuickFixTop = CorrectDialogTop(
      ReadComputed(ini, &Settings::QuickFixTop, CentredPosition(screen.height, s.QuickFixHeight)), screen);
  s.SetupLeft =
      CorrectDialogLeft(ReadComputed(ini, &Settings::SetupLeft, CentredPosition(screen.width, s.SetupWidth)), screen);
  s.SetupTop =
      CorrectDialogTop(ReadComputed(ini, &Settings::SetupTop, CentredPosition(screen.height, s.SetupHeight)), screen);
}

void ReadSearchWindow(const IniFile& ini, Settings& s, const ScreenGeometry& screen) {
  ReadPart(ini, Part::Search, s);
  s.SearchXPosition =
      CorrectSearchX(ReadComputed(ini, &Settings::SearchXPosition, CentredPosition(screen.width, s.SearchWidth)),
                     s.SearchWidth, screen);
  s.SearchYPosition =
      CorrectSearchY(ReadComputed(ini, &Settings::SearchYPosition, CentredPosition(screen.height, s.SearchHeight)),
                     s.SearchHeight, screen);
}

void ReadQuickFixes(const IniFile& ini, Settings& s) {
  s.QuickFixes.Entries.clear();
  s.QuickFixHotKeys.clear();
  const int count = ReadCount(ini, kQuickFixes, kNumFix, kMaxQuickFixes);
  for (int i = 1; i <= count; ++i) {
    const std::string name = ini.ReadString(kQuickFixes, Numbered(kFixName, i), "Error");
    const std::string action = ini.ReadString(kQuickFixes, Numbered(kFixAction, i), "Error");
    s.QuickFixes.Entries.push_back(name + "=" + action);
    s.QuickFixHotKeys.push_back(IsReservedHotKeyName(name) ? 0 : ini.ReadInteger(kHotKeys, name, 0));
  }
}

void ReadDelimiters(const IniFile& ini, Settings& s) {
  s.Delimiters.clear();
  const int count = ReadCount(ini, kDelimiters, kNumDelim, kMaxDelimiters);
  for (int i = 0; i < count; ++i) {
    s.Delimiters.push_back({ini.ReadString(kDelimiters, Numbered(kDelimName, i), "Error"),
                            ini.ReadString(kDelimiters, Numbered(kDelimValue, i), "Error")});
  }
  if (s.Delimiters.empty()) s.Delimiters = DefaultDelimiters();
}

void ReadPasteKeys(const IniFile& ini, Settings& s) {
  s.PasteKeys.clear();
  const int count = ReadCount(ini, kPasteKeys, kNumPasteKey, kMaxPasteKeys);
  for (int i = 1; i <= count; ++i) {
    s.PasteKeys.push_back({ini.ReadString(kPasteKeys, Numbered(kPasteTitle, i), "Error"),
                           ini.ReadInteger(kPasteKeys, Numbered(kPasteMatch, i), 0),
                           ini.ReadString(kPasteKeys, Numbered(kPasteKey, i), "Error"),
                           ini.ReadInteger(kPasteKeys, Numbered(kPasteDelay, i), 200)});
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

int ReadLastGroup(const IniFile& ini) { return ini.ReadInteger(kGroups, "LastGroup", 0); }

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

  ReadPart(ini, Part::Colors, s);
  s.NumFavs = ReadCount(ini, kFavorites, kNumFavs, kMaxFavoritePairs);
  for (int n = 0; n < s.NumFavs; ++n) {
    s.FavTextColor[n] = ini.ReadColor(kFavorites, Numbered(kFavText, n), clBlack);
    s.FavButtonColor[n] = ini.ReadColor(kFavorites, Numbered(kFavButton, n), clBtnFace);
  }
}

void ReadMainSettings(const IniFile& ini, Settings& s, const ScreenGeometry& screen, const std::string& dataDir) {
  ReadPart(ini, Part::Main, s);
  ReadWindows(ini, s, screen);

  const Key& directory = KeyOf(&Settings::BackupDirectory);
  s.BackupDirectory = WithTrailingSlash(ini.ReadString(directory.section, directory.name, dataDir));
  if (!DirectoryExists(s.BackupDirectory)) s.BackupDirectory = dataDir;

  ReadSearchWindow(ini, s, screen);

  if (!ParseInteger(s.FadeLevel)) s.FadeLevel = "128";

  ReadPart(ini, Part::HotKeys, s);
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

  ReadPart(ini, Part::Gestures, s);

  if (s.NumFavs == 0) {
    s.NumFavs = 1;
    s.FavTextColor[0] = clMaroon;
    s.FavButtonColor[0] = clYellow;
  }
}

void WriteMainSettings(IniTarget& ini, const Settings& s) {
  WritePart(ini, Part::Main, s);
  WritePart(ini, Part::Colors, s);

  ini.EraseSection(kFavorites);
  const int numFavs = std::clamp(s.NumFavs, 0, kMaxFavoritePairs);
  ini.WriteInteger(kFavorites, kNumFavs, numFavs);
  for (int n = 0; n < numFavs; ++n) {
    ini.WriteColor(kFavorites, Numbered(kFavText, n), s.FavTextColor[n]);
    ini.WriteColor(kFavorites, Numbered(kFavButton, n), s.FavButtonColor[n]);
  }

  ini.EraseSection(kHotKeys);
  WritePart(ini, Part::HotKeys, s);
  for (int i = 0; i < kNumFixedHotKeys; ++i) ini.WriteInteger(kHotKeys, kFixedHotKeys[i].label, s.FixedHotKeys[i]);

  // Not erased: rows beyond the count stay in the file but are never read.
  ini.WriteInteger(kDelimiters, kNumDelim, static_cast<int>(s.Delimiters.size()));
  for (std::size_t i = 0; i < s.Delimiters.size(); ++i) {
    ini.WriteString(kDelimiters, Numbered(kDelimName, static_cast<int>(i)), s.Delimiters[i].Name);
    ini.WriteString(kDelimiters, Numbered(kDelimValue, static_cast<int>(i)), s.Delimiters[i].Value);
  }

  ini.EraseSection(kPasteKeys);
  ini.WriteInteger(kPasteKeys, kNumPasteKey, s.NumPasteKey());
  for (int i = 1; i <= s.NumPasteKey(); ++i) {
    const PasteMethod& method = s.PasteKeys[i - 1];
    ini.WriteString(kPasteKeys, Numbered(kPasteTitle, i), method.Title);
    ini.WriteInteger(kPasteKeys, Numbered(kPasteMatch, i), method.Match);
    ini.WriteString(kPasteKeys, Numbered(kPasteKey, i), method.KeyMacro);
    ini.WriteInteger(kPasteKeys, Numbered(kPasteDelay, i), method.Delay);
  }

  ini.EraseSection(kQuickFixes);
  ini.WriteInteger(kQuickFixes, kNumFix, s.NumFix());
  for (int i = 1; i <= s.NumFix(); ++i) {
    const std::string& line = s.QuickFixes.Entries[i - 1];
    const std::string name = QuickFixName(line);
    ini.WriteString(kQuickFixes, Numbered(kFixName, i), name);
    ini.WriteString(kQuickFixes, Numbered(kFixAction, i), QuickFixAction(line));
    // A quick fix named like a fixed key would overwrite that key.
    if (!IsReservedHotKeyName(name)) {
      const int code = static_cast<std::size_t>(i - 1) < s.QuickFixHotKeys.size() ? s.QuickFixHotKeys[i - 1] : 0;
      ini.WriteInteger(kHotKeys, name, code);
    }
  }
  WritePart(ini, Part::Gestures, s);
}

void WriteSearchWindowSettings(IniTarget& ini, const Settings& s) { WritePart(ini, Part::Search, s); }

std::vector<std::string> UnreadableMainKeys(const IniFile& ini) {
  std::vector<std::string> keys;
  for (const Key& key : kKeys) {
    const auto value = ini.Value(key.section, key.name);
    if (value && !value->empty() && !Readable(*value, key.form)) keys.push_back("[" + key.section + "] " + key.name);
  }
  return keys;
}

}  // namespace cvd
