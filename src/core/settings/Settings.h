#pragma once
// Program-wide options: everything the settings files keep besides the
// groups and buttons. Dialogs and the other parts read and change this model;
// the settings files load it and save it.
#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "core/data/Colors.h"
#include "core/data/GroupTable.h"
#include "core/data/LegacyDisplay.h"
#include "core/paste/PasteMethods.h"
#include "core/paste/TerminalPaste.h"
#include "core/privacy/PrivacyRules.h"
#include "core/quickfix/QuickFixList.h"
#include "core/settings/ValueForms.h"

namespace cvd {

// One row of the delimiter list: its name and its key macro.
struct Delimiter {
  std::string Name;
  std::string Value;
  bool operator==(const Delimiter&) const = default;
};

struct FixedHotKey {
  const char* label;  // grid label and key name in [HotKeys]
  int defaultCode;    // modifiers x 256 + key code
};

inline constexpr int kNumFixedHotKeys = 21;
extern const std::array<FixedHotKey, kNumFixedHotKeys> kFixedHotKeys;

inline constexpr int kMaxPasteKeys = kPasteKeysCapacity;
// The quick fix editor's limit: more stored fixes are not read.
inline constexpr int kMaxQuickFixes = QuickFixList::kMaxEntries;
inline constexpr int kMaxFavorites = 11;
// The colour dialog keeps at most this many pairs; a larger count read from
// the file is cut to it.
inline constexpr int kMaxFavoritePairs = 10;
// The delimiter list has no stated capacity; this bound keeps a damaged count
// from filling memory.
inline constexpr int kMaxDelimiters = 1000;

struct Settings {
  // [Windows]
  std::int32_t MainLeft = 1620;
  std::int32_t MainTop = 200;
  std::int32_t EditLeft = 0, EditTop = 0, EditWidth = 400, EditHeight = 250;
  std::int32_t QuickFixLeft = 0, QuickFixTop = 0, QuickFixWidth = 350, QuickFixHeight = 200;
  std::int32_t SetupLeft = 0, SetupTop = 0, SetupWidth = 300, SetupHeight = 250;
  bool ShowOnStart = true;
  // [Clipboard]
  bool DontCopy = false;
  bool AdvWinTrack = true;
  // [Fade]
  bool FadeOutOption = true;
  bool RollupOption = false;
  bool MinimizeOption = false;
  bool RestoreOnCopy = true;
  std::string FadeTime = "5";
  std::string FadeLevel = "128";
  // [Backup]
  std::string BackupDirectory;  // ends with "/"
  bool AutoBackup = true;
  TimeOfDay BackupTime{12, 0, 0};
  // [SearchWindow]
  std::int32_t SearchHeight = 300, SearchWidth = 300, SearchXPosition = 0, SearchYPosition = 0;
  bool SearchAllGroups = true, CaseSensitive = false, SearchButtonName = true, SearchButtonTextMenu = true;
  // [DontAsk]
  bool DontAskClearAll = false, DontAskUnused = false, DontAskClearBut = false, DontAskDelete = false;
  // [Groups]: list position selected at start; saving takes the current one.
  std::int32_t LastGroup = 0;
  // [Colors]
  TColor DefTextColor = clBlack;
  TColor DefButtonColor = clBtnFace;
  // [Favorites]: pairs 0 .. NumFavs - 1.
  std::int32_t NumFavs = 0;
  std::array<TColor, kMaxFavorites> FavTextColor{};
  std::array<TColor, kMaxFavorites> FavButtonColor{};
  // [HotKeys]
  bool HotKeysEnabled = true;
  std::array<std::int32_t, kNumFixedHotKeys> FixedHotKeys{};  // in grid order
  // [QuickFixes]: "Name=Action" lines with their shortcut codes beside them.
  QuickFixList QuickFixes;
  std::vector<std::int32_t> QuickFixHotKeys;
  std::int32_t GestRight = 0, GestLeft = 1, GestUp = 2, GestDown = 3;
  // [Delimiters]
  std::vector<Delimiter> Delimiters;
  // [PasteKeys]: PasteKeys[i - 1] is paste method i.
  PasteMethods PasteKeys;
  // [Terminals]
  TerminalPaste Terminals;
  // [Privacy]
  PrivacySettings Privacy;
  // [Portal] RestoreToken: the desktop portal's token of the grant to type.
  std::string PortalRestoreToken;
  // Network.ini [Share]; the folders are in Directories.
  std::int32_t ShareLine = 0;
  bool ShareClipboard = false;
  bool LoadShareOnStart = false;
  bool ShowShareMsg = false;
  // Legacy keys, read only when a data file exists.
  LegacyDisplay Legacy;

  int NumPasteKey() const { return static_cast<int>(PasteKeys.size()); }
  int NumFix() const { return QuickFixes.Count(); }

  bool operator==(const Settings&) const = default;
};

// A model with every default that does not depend on the screen or folders.
Settings DefaultSettings();
std::vector<Delimiter> DefaultDelimiters();

// The name and action of a quick fix line: the parts before and after its first "=".
std::string QuickFixName(const std::string& line);
std::string QuickFixAction(const std::string& line);

// True for quick fix names that would collide with a fixed key of [HotKeys].
bool IsReservedHotKeyName(const std::string& name);

// List position to select at start from LastGroup: used only when it lies
// above 0 and below the number of groups.
int StartListPosition(int lastGroup, int groupCount);

}  // namespace cvd
