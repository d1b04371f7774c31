#pragma once
// [Privacy] of "corvinade.ini": the programs whose copies are never kept
// (NumProgram, Program1, Program2, ...) and how long a pause lasts
// (PauseMinutes; 0 until resumed).
#include "core/privacy/PrivacyRules.h"
#include "core/settings/IniFile.h"

namespace cvd {

inline constexpr const char* kPrivacySection = "Privacy";

// A file without the section keeps the defaults; NumProgram=0 empties the list.
void ReadPrivacySettings(const IniFile& ini, PrivacySettings& privacy);

// Writes the keys without erasing the section, so keys this program does not
// know stay; stale keys beyond the count are not read.
void WritePrivacySettings(IniTarget& ini, const PrivacySettings& privacy);

}  // namespace cvd
