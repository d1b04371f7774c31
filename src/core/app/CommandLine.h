#pragma once
// The options both programs answer before doing anything else, as Linux
// programs do: usage or version on standard output, then status 0.
#include <string>
#include <vector>

namespace cvd {

// "1.8.4": the version the build and the package carry.
std::string ProgramVersion();

enum class CommandLineRequest { Run, Help, Version };

// "-h"/"--help" and "--version" anywhere among `args` (the arguments after
// the program's name); anything else (Qt's own options too) runs the program.
CommandLineRequest ReadCommandLine(const std::vector<std::string>& args);

// The text `corvinade --help` prints.
std::string ProgramUsage();

// "<program> 1.8.4" and a line on where it comes from.
std::string VersionText(const std::string& program);

}  // namespace cvd
