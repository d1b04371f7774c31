#pragma once
// Readable failure output for the settings model.
#include <ostream>

#include "core/settings/SettingsJson.h"

namespace cvd {

inline void PrintTo(const Settings& s, std::ostream* os) {
  const LegacyDisplay& l = s.Legacy;
  *os << SettingsJson(s, Directories{})["corvinade.ini"].dump() << " legacy{" << l.ButtonWidth << "," << l.ButtonHeight
      << "," << l.FillMode << "," << l.PlaySound << "," << l.SoundFile << "," << l.FontName << "," << l.FontSize << ","
      << int(l.FontStyle) << "," << l.CopyDups << "," << l.TrackUsed << "," << l.ShowHints << "," << l.HintType
      << "} share{" << s.ShareLine << "," << s.ShareClipboard << "," << s.LoadShareOnStart << "," << s.ShowShareMsg
      << "}";
}

}  // namespace cvd
