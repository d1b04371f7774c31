#include "core/util/ProgramFiles.h"

#include <filesystem>

namespace cvd {

std::string FindProgramFile(const std::string& programDir, const std::string& name) {
  namespace fs = std::filesystem;
  std::error_code error;
  std::string beside = programDir + name;
  if (fs::is_regular_file(beside, error)) return beside;
  std::string installed = fs::path(programDir + kInstalledFilesDir + name).lexically_normal().string();
  if (fs::is_regular_file(installed, error)) return installed;
  return beside;
}

}  // namespace cvd
