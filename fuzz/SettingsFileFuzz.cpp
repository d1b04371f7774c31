// Any bytes as "corvinade.ini" and "Network.ini": reading them never crashes
// or hangs, every count stays within its capacity, and what the program then
// writes reads back to the same settings.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "core/settings/IniFile.h"
#include "core/settings/MainSettingsIni.h"
#include "core/settings/NetworkIni.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string text(reinterpret_cast<const char*>(data), size);
  cvd::IniFile ini;
  ini.LoadFromText(text);
  const cvd::ScreenGeometry screen;
  cvd::Settings s = cvd::DefaultSettings();
  cvd::ClearSettingsLists(s);
  cvd::ReadEarlySettings(ini, s, cvd::LegacyDefaults{"/nonexistent/"});
  cvd::ReadMainSettings(ini, s, screen, "/");
  cvd::Directories dirs{"/p/", "/d/", "/a/", "", "", ""};
  (void)cvd::ReadNetworkSettings(ini, dirs);
  if (s.NumPasteKey() < 1 || s.NumPasteKey() > cvd::kMaxPasteKeys) std::abort();
  if (s.NumFix() < 1 || s.NumFix() > cvd::kMaxQuickFixes) std::abort();
  if (s.NumFavs < 1 || s.NumFavs > cvd::kMaxFavorites) std::abort();
  if (s.Delimiters.empty() || s.Delimiters.size() > static_cast<std::size_t>(cvd::kMaxDelimiters)) std::abort();

  cvd::WriteMainSettings(ini, s);
  cvd::WriteSearchWindowSettings(ini, s);
  cvd::IniFile again;
  again.LoadFromText(ini.ToText());
  cvd::Settings back = cvd::DefaultSettings();
  cvd::ClearSettingsLists(back);
  cvd::ReadEarlySettings(again, back, cvd::LegacyDefaults{"/nonexistent/"});
  cvd::ReadMainSettings(again, back, screen, "/");
  // Positions were corrected once already; legacy keys are read-only input.
  back.Legacy = s.Legacy;
  if (!(back == s)) std::abort();
  return 0;
}
