#include "core/settings/PrivacyIni.h"

#include <algorithm>

#include "core/settings/IniNameList.h"

namespace cvd {
namespace {
const std::string kSection = kPrivacySection;
const std::string kPauseKey = "PauseMinutes";
const IniNameList kPrograms{kSection, "NumProgram", "Program", kMaxIgnoredPrograms};
}  // namespace

void ReadPrivacySettings(const IniFile& ini, PrivacySettings& privacy) {
  privacy.PauseMinutes = std::clamp(ini.ReadInteger(kSection, kPauseKey, privacy.PauseMinutes), 0, kMaxPauseMinutes);
  ReadNameList(ini, kPrograms, privacy.IgnoredPrograms);
}

void WritePrivacySettings(IniTarget& ini, const PrivacySettings& privacy) {
  ini.WriteInteger(kSection, kPauseKey, privacy.PauseMinutes);
  WriteNameList(ini, kPrograms, privacy.IgnoredPrograms);
}

}  // namespace cvd
