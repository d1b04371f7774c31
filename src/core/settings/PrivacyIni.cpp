#include "core/settings/PrivacyIni.h"

#include <algorithm>

namespace cvd {
namespace {
const std::string kSection = kPrivacySection;
const std::string kCountKey = "NumProgram";
const std::string kPauseKey = "PauseMinutes";

std::string ProgramKey(int i) { return "Program" + std::to_string(i); }
}  // namespace

void ReadPrivacySettings(const IniFile& ini, PrivacySettings& privacy) {
  privacy.PauseMinutes = std::clamp(ini.ReadInteger(kSection, kPauseKey, privacy.PauseMinutes), 0, kMaxPauseMinutes);
  if (!ini.Value(kSection, kCountKey)) return;
  const int count = std::clamp(ini.ReadInteger(kSection, kCountKey, 0), 0, kMaxIgnoredPrograms);
  privacy.IgnoredPrograms.clear();
  for (int i = 1; i <= count; ++i) {
    std::string name = ini.ReadString(kSection, ProgramKey(i), "");
    if (!name.empty()) privacy.IgnoredPrograms.push_back(std::move(name));
  }
}

void WritePrivacySettings(IniTarget& ini, const PrivacySettings& privacy) {
  ini.WriteInteger(kSection, kPauseKey, privacy.PauseMinutes);
  const int count = std::min(static_cast<int>(privacy.IgnoredPrograms.size()), kMaxIgnoredPrograms);
  ini.WriteInteger(kSection, kCountKey, count);
  for (int i = 1; i <= count; ++i) ini.WriteString(kSection, ProgramKey(i), privacy.IgnoredPrograms[i - 1]);
}

}  // namespace cvd
