#include "core/settings/PortalIni.h"

namespace cvd {
namespace {
const std::string kSection = kPortalSection;
const std::string kTokenKey = "RestoreToken";
}  // namespace

std::string ReadPortalRestoreToken(const IniFile& ini) { return ini.ReadString(kSection, kTokenKey, ""); }

void WritePortalRestoreToken(IniFile& ini, const std::string& token) {
  if (token.empty() && !ini.Value(kSection, kTokenKey)) return;
  ini.WriteString(kSection, kTokenKey, token);
}

}  // namespace cvd
