#include "core/settings/AppDataFolder.h"

#include <pwd.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <system_error>
#include <vector>

#include "core/settings/Directories.h"
#include "core/util/PrivateFolder.h"

namespace cvd {
namespace fs = std::filesystem;

namespace {

const char* kAppFolderName = "Corvinade/";

bool StartsWith(const std::string& text, const std::string& prefix) { return text.rfind(prefix, 0) == 0; }

// A path segment that names a USB or FireWire controller or device.
bool IsPortableBusSegment(const std::string& segment) {
  const bool fireWireNode = StartsWith(segment, "fw") && segment.size() > 2 && segment[2] >= '0' && segment[2] <= '9';
  return StartsWith(segment, "usb") || fireWireNode || segment.find("firewire") != std::string::npos ||
         segment.find("ieee1394") != std::string::npos;
}

bool ReadsOne(const fs::path& file) {
  std::ifstream in(file);
  std::string value;
  return in && std::getline(in, value) && value == "1";
}

bool IsPortableDeviceDir(const fs::path& root, const fs::path& device, int depth) {
  if (depth > 4) return false;
  std::error_code error;
  const fs::path real = fs::canonical(device, error);
  if (error) return false;
  // Only the part below the sysfs root tells the bus.
  for (const auto& segment : real.lexically_relative(root)) {
    if (IsPortableBusSegment(segment.string())) return true;
  }
  // A partition has no flag of its own; its disk is the parent folder.
  if (fs::exists(real / "removable", error)) {
    if (ReadsOne(real / "removable")) return true;
  } else if (fs::exists(real / "partition", error) && ReadsOne(real.parent_path() / "removable")) {
    return true;
  }
  // Mapped devices (encryption, volume groups) live on their slaves.
  fs::directory_iterator it(real / "slaves", error);
  for (; !error && it != fs::directory_iterator(); it.increment(error)) {
    if (IsPortableDeviceDir(root, it->path(), depth + 1)) return true;
  }
  return false;
}

}  // namespace

AppDataEnvironment CurrentAppDataEnvironment() {
  AppDataEnvironment env;
  env.programFile = ProgramFilePath();
  if (const char* xdg = std::getenv("XDG_DATA_HOME")) env.xdgDataHome = xdg;
  if (const char* home = std::getenv("HOME"); home && *home) {
    env.home = home;
  } else {
    std::vector<char> buffer(16384);
    struct passwd entry {};
    struct passwd* found = nullptr;
    if (::getpwuid_r(::getuid(), &entry, buffer.data(), buffer.size(), &found) == 0 && found && found->pw_dir) {
      env.home = found->pw_dir;
    }
  }
  return env;
}

std::string ProgramFilePath() {
  std::error_code error;
  const fs::path exe = fs::read_symlink("/proc/self/exe", error);
  return error ? std::string() : exe.string();
}

std::string ProgramDirOf(const std::string& programFile) {
  const auto slash = programFile.rfind('/');
  if (programFile.empty() || slash == std::string::npos) return "./";
  return programFile.substr(0, slash + 1);
}

bool IsPortableBlockDevice(unsigned major, unsigned minor, const std::string& sysfsRoot) {
  std::error_code error;
  const fs::path root = fs::canonical(sysfsRoot, error);
  if (error) return false;
  const fs::path device = root / "dev" / "block" / (std::to_string(major) + ":" + std::to_string(minor));
  return IsPortableDeviceDir(root, device, 0);
}

bool IsOnPortableDrive(const std::string& file, const std::string& sysfsRoot) {
  struct stat info {};
  if (file.empty() || ::stat(file.c_str(), &info) != 0) return false;
  return IsPortableBlockDevice(::major(info.st_dev), ::minor(info.st_dev), sysfsRoot);
}

std::string GetAppDataFolderPath(const AppDataEnvironment& env) {
  std::string programDir = ProgramDirOf(env.programFile);
  if (IsOnPortableDrive(env.programFile, env.sysfsRoot)) return programDir;
  std::string base;
  // Relative values of XDG_DATA_HOME are to be ignored.
  if (!env.xdgDataHome.empty() && env.xdgDataHome[0] == '/') {
    base = WithTrailingSlash(env.xdgDataHome);
  } else if (!env.home.empty()) {
    base = WithTrailingSlash(env.home) + ".local/share/";
  } else {
    return programDir;
  }
  std::string folder = base + kAppFolderName;
  if (!CreatePrivateFolder(folder)) return programDir;
  return folder;
}

std::string GetAppDataFolderPath() { return GetAppDataFolderPath(CurrentAppDataEnvironment()); }

}  // namespace cvd
