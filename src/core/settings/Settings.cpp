#include "core/settings/Settings.h"

#include "core/util/Text.h"

namespace cvd {

const std::array<FixedHotKey, kNumFixedHotKeys> kFixedHotKeys{{
    {"Enable shortcut keys", 837},
    {"Disable shortcut keys", 835},
    {"Show button window", 339},
    {"Hide button window", 328},
    {"Clear clipboard buttons", 323},
    {"Reset paste counter", 338},
    {"Paste active button", 336},
    {"Previous button", 333},
    {"Next button", 334},
    {"Paste all buttons", 321},
    {"Mark all unused", 341},
    {"Edit last copied", 325},
    {"Clear last copied", 332},
    {"Paste last copied", 342},
    {"Dial selected number", 324},
    {"Do not copy duplicates", 305},
    {"Copy duplicates", 306},
    {"Move duplicate", 307},
    {"Mark duplicate unused", 308},
    {"Search buttons", 370},
    // No key by default: a new key could take one another program relies on.
    {"Pause Clipboard History", 0},
}};

Settings DefaultSettings() {
  Settings s;
  for (int i = 0; i < kNumFixedHotKeys; ++i) s.FixedHotKeys[i] = kFixedHotKeys[i].defaultCode;
  s.FavTextColor.fill(clBlack);
  s.FavButtonColor.fill(clBtnFace);
  s.NumFavs = 1;
  s.FavTextColor[0] = clMaroon;
  s.FavButtonColor[0] = clYellow;
  s.QuickFixes = DefaultQuickFixes();
  s.QuickFixHotKeys.assign(s.QuickFixes.Entries.size(), 0);
  s.Delimiters = DefaultDelimiters();
  s.PasteKeys = DefaultPasteMethods();
  return s;
}

std::vector<Delimiter> DefaultDelimiters() { return {{"Comma", ","}}; }

std::string QuickFixName(const std::string& line) { return line.substr(0, line.find('=')); }

std::string QuickFixAction(const std::string& line) {
  const auto equals = line.find('=');
  return equals == std::string::npos ? std::string() : line.substr(equals + 1);
}

bool IsReservedHotKeyName(const std::string& name) {
  // Key names are read back trimmed and without regard to letter case.
  std::size_t first = name.find_first_not_of(" \t");
  std::size_t last = name.find_last_not_of(" \t");
  const std::string key = first == std::string::npos ? std::string() : name.substr(first, last - first + 1);
  if (SameTextAscii(key, "Enabled")) return true;
  for (const auto& fixed : kFixedHotKeys) {
    if (SameTextAscii(key, fixed.label)) return true;
  }
  return false;
}

int StartListPosition(int lastGroup, int groupCount) { return lastGroup > 0 && lastGroup < groupCount ? lastGroup : 0; }

}  // namespace cvd
