#include "tools/Commands.h"

namespace cvd::tool {

std::map<std::string, Command> AllCommands() {
  return {
      {"state", StateCommand},
      {"quit", QuitCommand},
      {"quickfix", QuickFixCommand},
  };
}

}  // namespace cvd::tool
