#pragma once
// The settings model as corvinade-tool shows it: per file, its sections and
// keys under the names the files use; flags as booleans, integers as numbers,
// everything else as the text the file holds.
#include <nlohmann/json.hpp>

#include "core/settings/Directories.h"
#include "core/settings/Settings.h"

namespace cvd {

// {"corvinade.ini": {...}, "Network.ini": {...}}
nlohmann::ordered_json SettingsJson(const Settings& settings, const Directories& dirs);

// {"ProgramDir": ..., "DataDir": ..., ...}
nlohmann::ordered_json DirectoriesJson(const Directories& dirs);

}  // namespace cvd
