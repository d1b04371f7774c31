// corvinade-tool: scripted access to the running program and to the
// program's own formats. Every command prints to standard output; errors go
// to standard error with a non-zero status.
#include <cstdio>
#include <iostream>
#include <map>
#include <string>
#include <vector>

#include "core/app/CommandLine.h"
#include "tools/Commands.h"

namespace {

void Usage(std::ostream& out) {
  out << "usage: corvinade-tool COMMAND [ARGS]\n"
         "commands:\n"
         "  state    print the running program's state as JSON\n"
         "  quit     end the running program as its Exit command does\n"
         "  do NAME  run a shortcut function (e.g. \"Paste active button\") or a quick fix\n"
         "           by its name in the running program, as its shortcut key would\n"
         "  setup shortcuts  open the running program's settings on the Shortcuts page\n"
         "  keys sway|hyprland|labwc|river\n"
         "           print the shortcut keys of the settings file as that Wayland\n"
         "           compositor's key bindings (Wayland gives keys to the compositor)\n"
         "  doctor [--json]\n"
         "           check capture, paste, target tracking and the shortcut keys in this\n"
         "           session and say what to do where one fails; a test copy is captured\n"
         "           and not kept, and the clipboard's text is put back; exit status 0\n"
         "           when Corvinade runs and nothing failed\n"
         "  encrypt [TEXT]  print the enciphered line of TEXT (or of standard input)\n"
         "  decrypt [LINE]  print the plain bytes of an enciphered line\n"
         "  dump FILE       print a data file or group file as JSON; for a clip journal,\n"
         "                  what the next start would replay onto the data file beside it\n"
         "  macro [--caps-lock] TEXT\n"
         "           print the key events a key macro sends, with their times in ms,\n"
         "           as JSON (US keyboard; nothing is typed)\n"
         "  quickfix ACTION\n"
         "           run a quick fix action on standard input; prints JSON:\n"
         "           {\"text\": result or null (button unchanged), \"newClips\": [...],\n"
         "            \"dialed\": [...], \"buttonColor\": [face, caption or null] or null}\n"
         "  help, -h, --help  print this text\n"
         "  --version        print the version\n"
         "See corvinade-tool(1).\n";
}

}  // namespace

int main(int argc, char** argv) {
  const std::map<std::string, cvd::tool::Command> commands = cvd::tool::AllCommands();
  if (argc < 2) {
    Usage(std::cerr);
    return 2;
  }
  const std::string first = argv[1];
  if (first == "help" || cvd::ReadCommandLine({first}) == cvd::CommandLineRequest::Help) {
    Usage(std::cout);
    return 0;
  }
  if (cvd::ReadCommandLine({first}) == cvd::CommandLineRequest::Version) {
    std::cout << cvd::VersionText("corvinade-tool");
    return 0;
  }
  const auto found = commands.find(argv[1]);
  if (found == commands.end()) {
    std::cerr << "corvinade-tool: unknown command '" << argv[1] << "'\n";
    Usage(std::cerr);
    return 2;
  }
  std::vector<std::string> args(argv + 2, argv + argc);
  return found->second(args);
}
