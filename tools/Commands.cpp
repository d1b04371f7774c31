#include "tools/Commands.h"

namespace cvd::tool {

std::map<std::string, Command> AllCommands() {
  return {
      {"state", StateCommand},
      {"quit", QuitCommand},
      {"macro", MacroCommand},
  };
}

}  // namespace cvd::tool
