// corvinade-tool doctor: checks capture, paste, target tracking and the
// shortcut keys in this session, and says what the user can do.
#include <iostream>

#include "core/doctor/Diagnosis.h"
#include "tools/Commands.h"
#include "tools/DoctorSession.h"

namespace cvd::tool {

int DoctorCommand(const std::vector<std::string>& args) {
  const bool json = args.size() == 1 && args[0] == "--json";
  if (!args.empty() && !json) {
    std::cerr << "usage: corvinade-tool doctor [--json]\n";
    return 2;
  }
  SessionFacts facts;
  LookAtSession(facts);
  if (AskProgram(facts)) ProbeCapture(facts);
  const Diagnosis diagnosis = Diagnose(facts);
  if (json) {
    std::cout << DiagnosisJson(diagnosis).dump(2) << "\n";
  } else {
    std::cout << DiagnosisText(diagnosis);
  }
  return diagnosis.ExitStatus();
}

}  // namespace cvd::tool
