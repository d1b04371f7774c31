#include "core/settings/IniNameList.h"

#include <algorithm>

namespace cvd {
namespace {
std::string ItemKey(const IniNameList& list, int i) { return list.ItemPrefix + std::to_string(i); }
}  // namespace

void ReadNameList(const IniFile& ini, const IniNameList& list, std::vector<std::string>& names) {
  if (!ini.Value(list.Section, list.CountKey)) return;
  const int count = std::clamp(ini.ReadInteger(list.Section, list.CountKey, 0), 0, list.MaxCount);
  names.clear();
  for (int i = 1; i <= count; ++i) {
    std::string name = ini.ReadString(list.Section, ItemKey(list, i), "");
    if (!name.empty()) names.push_back(std::move(name));
  }
}

void WriteNameList(IniTarget& ini, const IniNameList& list, const std::vector<std::string>& names) {
  const int count = std::min(static_cast<int>(names.size()), list.MaxCount);
  ini.WriteInteger(list.Section, list.CountKey, count);
  for (int i = 1; i <= count; ++i) ini.WriteString(list.Section, ItemKey(list, i), names[i - 1]);
}

}  // namespace cvd
