#include "core/app/CommandLine.h"

namespace cvd {

CommandLineRequest ReadCommandLine(const std::vector<std::string>& args) {
  for (const std::string& arg : args) {
    if (arg == "--") break;
    if (arg == "-h" || arg == "--help") return CommandLineRequest::Help;
    if (arg == "--version") return CommandLineRequest::Version;
  }
  return CommandLineRequest::Run;
}

std::string ProgramUsage() {
  return "usage: corvinade [OPTION]\n"
         "Clipboard history and text snippets for the X11 desktop: a small window that stays on\n"
         "top holds the clips you copy and your own texts, and a click pastes one.\n"
         "Starting it again shows the running copy's button window and ends.\n"
         "\n"
         "  -v, --verbose  log what the program does on standard error\n"
         "  -h, --help     print this text and end\n"
         "      --version  print the version and end\n"
         "\n"
         "corvinade-tool talks to the running program from scripts.\n"
         "See corvinade(1), corvinade-tool(1) and the user manual.\n";
}

std::string ProgramVersion() { return CORVINADE_VERSION; }

std::string VersionText(const std::string& program) { return program + " " + ProgramVersion() + "\n"; }

}  // namespace cvd
