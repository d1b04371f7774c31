// corvinade-tool: scripted access to the running program and to the
// program's own formats. Every command prints to standard output; errors go
// to standard error with a non-zero status.
#include <cstdio>
#include <iostream>
#include <map>
#include <string>
#include <vector>

#include "tools/Commands.h"

namespace {

void Usage() {
  std::cerr << "usage: corvinade-tool COMMAND [ARGS]\n"
               "commands:\n"
               "  state    print the running program's state as JSON\n"
               "  quit     end the running program as its Exit command does\n"
               "  quickfix ACTION\n"
               "           run a quick fix action on standard input; prints JSON:\n"
               "           {\"text\": result or null (button unchanged), \"newClips\": [...],\n"
               "            \"dialed\": [...], \"buttonColor\": [face, caption or null] or null}\n";
}

}  // namespace

int main(int argc, char** argv) {
  const std::map<std::string, cvd::tool::Command> commands = cvd::tool::AllCommands();
  if (argc < 2) {
    Usage();
    return 2;
  }
  const auto found = commands.find(argv[1]);
  if (found == commands.end()) {
    std::cerr << "corvinade-tool: unknown command '" << argv[1] << "'\n";
    Usage();
    return 2;
  }
  std::vector<std::string> args(argv + 2, argv + argc);
  return found->second(args);
}
