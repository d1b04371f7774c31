// Requests to the running program over its per-user socket.
#include <iostream>

#include "core/app/Instance.h"
#include "tools/Commands.h"

namespace cvd::tool {

namespace {

int Request(const char* request, bool printAnswer) {
  const auto answer = SendInstanceRequest(request, 5000);
  if (!answer) {
    std::cerr << "corvinade-tool: Corvinade is not running\n";
    return 1;
  }
  if (printAnswer) std::cout << *answer << (answer->empty() || answer->back() != '\n' ? "\n" : "");
  return 0;
}

}  // namespace

int StateCommand(const std::vector<std::string>&) {
  // Printed as it arrives: a big history's report is tens of megabytes.
  bool any = false;
  char last = '\n';
  const bool ok = StreamInstanceRequest(kRequestState, 5000, [&any, &last](std::string_view piece) {
    std::cout.write(piece.data(), static_cast<std::streamsize>(piece.size()));
    any = any || !piece.empty();
    if (!piece.empty()) last = piece.back();
  });
  if (!ok) {
    std::cout.flush();
    std::cerr << (any ? "corvinade-tool: the state report broke off\n" : "corvinade-tool: Corvinade is not running\n");
    return 1;
  }
  if (!any || last != '\n') std::cout << '\n';
  return 0;
}

int QuitCommand(const std::vector<std::string>&) { return Request(kRequestQuit, false); }

int DoCommand(const std::vector<std::string>& args) {
  if (args.size() != 1 || args[0].empty() || args[0].find_first_of("\r\n") != std::string::npos) {
    std::cerr << "usage: corvinade-tool do NAME\n";
    return 2;
  }
  const auto answer = SendInstanceRequest(kRequestDo + args[0], 5000);
  if (!answer) {
    std::cerr << "corvinade-tool: Corvinade is not running\n";
    return 1;
  }
  if (answer->rfind(kAnswerUnknownFunction, 0) == 0) {
    std::cerr << "corvinade-tool: no shortcut function or quick fix is named '" << args[0] << "'\n";
    return 1;
  }
  return 0;
}

int SetupCommand(const std::vector<std::string>& args) {
  if (args.size() != 1 || args[0] != "shortcuts") {
    std::cerr << "usage: corvinade-tool setup shortcuts\n";
    return 2;
  }
  return Request(kRequestSetupShortcuts, false);
}

}  // namespace cvd::tool
