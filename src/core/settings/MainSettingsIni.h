#pragma once
// "corvinade.ini": every section and key, its default and its correction.
#include <string>
#include <vector>

#include "core/data/GroupTable.h"
#include "core/settings/IniFile.h"
#include "core/settings/ScreenCorrections.h"
#include "core/settings/Settings.h"

namespace cvd {

inline constexpr const char* kSettingsFileName = "corvinade.ini";

// Where legacy defaults come from: the sound file beside the program and the
// font of the button window.
struct LegacyDefaults {
  std::string ProgramDir;
  std::string FontName = kDefaultFontName;
  int FontSize = 10;
};

// Empties the lists that the main read fills (or gives their defaults).
void ClearSettingsLists(Settings& settings);

// The legacy keys, [Colors] and [Favorites]; read only when a data file exists.
void ReadEarlySettings(const IniFile& ini, Settings& settings, const LegacyDefaults& defaults);
// The list position of the group shown at the last exit ("LastGroup").
int ReadLastGroup(const IniFile& ini);

// Everything else, with the position corrections; lists left empty by the
// file get their default contents. `dataDir` is the backup folder's fallback.
void ReadMainSettings(const IniFile& ini, Settings& settings, const ScreenGeometry& screen, const std::string& dataDir);

// The known keys holding a value that is not of their form, as
// "[Section] Key": the read gives them their defaults, so the file counts as
// damaged. An empty value holds nothing and is not counted.
std::vector<std::string> UnreadableMainKeys(const IniFile& ini);

// The keys the settings save writes, in its order. [SearchWindow] is not
// among them: the search window writes it when it closes.
void WriteMainSettings(IniTarget& ini, const Settings& settings);
void WriteSearchWindowSettings(IniTarget& ini, const Settings& settings);

}  // namespace cvd
