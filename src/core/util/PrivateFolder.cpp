#include "core/util/PrivateFolder.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <system_error>

#include "core/log/Log.h"

namespace cvd {

bool CreatePrivateFolder(const std::string& folder) {
  std::error_code error;
  std::filesystem::path path(folder);
  if (!path.has_filename()) path = path.parent_path();  // a trailing slash
  if (std::filesystem::is_directory(path, error)) return true;
  std::filesystem::create_directories(path.parent_path(), error);
  if (::mkdir(path.c_str(), kPrivateFolderMode) != 0 && errno != EEXIST) return false;
  return std::filesystem::is_directory(path, error);
}

bool TightenDataFolder(const std::string& folder) {
  struct stat info {};
  if (folder.empty() || ::stat(folder.c_str(), &info) != 0 || !S_ISDIR(info.st_mode)) return false;
  if (info.st_uid != ::getuid() || (info.st_mode & 077) == 0) return false;
  if (::chmod(folder.c_str(), kPrivateFolderMode) != 0) {
    LogWarning("data", "the data folder " + folder +
                           " can be read by other users and could not be made private: " + std::strerror(errno));
    return false;
  }
  // Some file systems (FAT on a stick) take the call and keep no modes.
  struct stat after {};
  if (::stat(folder.c_str(), &after) == 0 && (after.st_mode & 077) != 0) {
    LogInfo("data", "the file system of " + folder + " keeps no permissions");
    return false;
  }
  char mode[8];
  std::snprintf(mode, sizeof mode, "%04o", static_cast<unsigned>(info.st_mode & 07777));
  LogWarning("data", "the data folder " + folder + " could be read by other users (mode " + mode +
                         "); it is now readable by you alone (0700)");
  return true;
}

}  // namespace cvd
