#pragma once
// The folders the program works with. Every folder ends with "/".
#include <string>

namespace cvd {

struct Directories {
  std::string ProgramDir{};      // folder of the program file
  std::string DataDir{};         // "corvinade.ini" and "corvinade.dat"
  std::string DefaultDataDir{};  // home of "Network.ini"; see GetAppDataFolderPath
  std::string ShareDir{};        // folder of the shared clipboard file
  std::string ExportDir{};       // start folder of group export
  std::string ImportDir{};       // start folder of group import
};

// `folder` with a "/" appended when it has none; the empty text stays empty.
inline std::string WithTrailingSlash(std::string folder) {
  if (!folder.empty() && folder.back() != '/') folder += '/';
  return folder;
}

}  // namespace cvd
