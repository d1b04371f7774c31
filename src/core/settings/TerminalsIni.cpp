#include "core/settings/TerminalsIni.h"

#include <algorithm>

namespace cvd {
namespace {
const std::string kSection = kTerminalsSection;
const std::string kCountKey = "NumTerminal";
const std::string kKeyMacroKey = "PasteKey";

std::string ClassKey(int i) { return "Class" + std::to_string(i); }
}  // namespace

void ReadTerminalSettings(const IniFile& ini, TerminalPaste& terminals) {
  terminals.KeyMacro = ini.ReadString(kSection, kKeyMacroKey, terminals.KeyMacro);
  if (!ini.Value(kSection, kCountKey)) return;
  const int count = std::clamp(ini.ReadInteger(kSection, kCountKey, 0), 0, kMaxTerminalClasses);
  terminals.Classes.clear();
  for (int i = 1; i <= count; ++i) {
    std::string name = ini.ReadString(kSection, ClassKey(i), "");
    if (!name.empty()) terminals.Classes.push_back(std::move(name));
  }
}

void WriteTerminalSettings(IniTarget& ini, const TerminalPaste& terminals) {
  ini.WriteString(kSection, kKeyMacroKey, terminals.KeyMacro);
  const int count = std::min(static_cast<int>(terminals.Classes.size()), kMaxTerminalClasses);
  ini.WriteInteger(kSection, kCountKey, count);
  for (int i = 1; i <= count; ++i) ini.WriteString(kSection, ClassKey(i), terminals.Classes[i - 1]);
}

}  // namespace cvd
