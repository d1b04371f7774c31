#pragma once
// [Portal] of "corvinade.ini": RestoreToken, the desktop portal's token of
// the user's grant to type into other windows, so that the desktop does not
// ask again in every run.
#include <string>

#include "core/settings/IniFile.h"

namespace cvd {

inline constexpr const char* kPortalSection = "Portal";

std::string ReadPortalRestoreToken(const IniFile& ini);

// Writes the key without erasing the section, so keys this program does not
// know stay; a file that never held a token gets no section.
void WritePortalRestoreToken(IniFile& ini, const std::string& token);

}  // namespace cvd
