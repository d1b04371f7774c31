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

int StateCommand(const std::vector<std::string>&) { return Request(kRequestState, true); }

int QuitCommand(const std::vector<std::string>&) { return Request(kRequestQuit, false); }

}  // namespace cvd::tool
