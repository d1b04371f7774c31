#include "tools/Commands.h"

namespace cvd::tool {

std::map<std::string, Command> AllCommands() {
  return {
      {"state", StateCommand},       {"quit", QuitCommand},       {"do", DoCommand},         {"setup", SetupCommand},
      {"encrypt", EncryptCommand},   {"decrypt", DecryptCommand}, {"dump", DumpCommand},     {"macro", MacroCommand},
      {"quickfix", QuickFixCommand}, {"keys", KeysCommand},       {"doctor", DoctorCommand},
  };
}

}  // namespace cvd::tool
