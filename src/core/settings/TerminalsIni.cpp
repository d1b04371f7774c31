#include "core/settings/TerminalsIni.h"

#include "core/settings/IniNameList.h"

namespace cvd {
namespace {
const std::string kSection = kTerminalsSection;
const std::string kKeyMacroKey = "PasteKey";
const IniNameList kClasses{kSection, "NumTerminal", "Class", kMaxTerminalClasses};
}  // namespace

void ReadTerminalSettings(const IniFile& ini, TerminalPaste& terminals) {
  terminals.KeyMacro = ini.ReadString(kSection, kKeyMacroKey, terminals.KeyMacro);
  ReadNameList(ini, kClasses, terminals.Classes);
}

void WriteTerminalSettings(IniTarget& ini, const TerminalPaste& terminals) {
  ini.WriteString(kSection, kKeyMacroKey, terminals.KeyMacro);
  WriteNameList(ini, kClasses, terminals.Classes);
}

}  // namespace cvd
