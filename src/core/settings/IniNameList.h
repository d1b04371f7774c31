#pragma once
// A list of names kept in a section as a count and numbered keys:
// NumTerminal=2, Class1=..., Class2=...
#include <string>
#include <vector>

#include "core/settings/IniFile.h"

namespace cvd {

struct IniNameList {
  std::string Section;
  std::string CountKey;    // "NumTerminal"
  std::string ItemPrefix;  // "Class" for Class1, Class2, ...
  int MaxCount = 0;
};

// A missing count key leaves `names` as they are (the defaults); a count of 0
// empties them. Empty names are skipped; stale keys beyond the count are not
// read.
void ReadNameList(const IniFile& ini, const IniNameList& list, std::vector<std::string>& names);

// Writes the count and the numbered keys without erasing the section, so keys
// this program does not know stay as they are.
void WriteNameList(IniTarget& ini, const IniNameList& list, const std::vector<std::string>& names);

}  // namespace cvd
