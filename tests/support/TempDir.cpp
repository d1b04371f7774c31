#include "support/TempDir.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <linux/fs.h>
#include <stdlib.h>
#include <sys/ioctl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <system_error>
#include <vector>

namespace cvd::test {

namespace {

bool SetImmutable(const std::string& folder, bool on) {
  const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return false;
  int flags = 0;
  bool ok = ::ioctl(fd, FS_IOC_GETFLAGS, &flags) == 0;
  if (ok) {
    flags = on ? (flags | FS_IMMUTABLE_FL) : (flags & ~FS_IMMUTABLE_FL);
    ok = ::ioctl(fd, FS_IOC_SETFLAGS, &flags) == 0;
  }
  ::close(fd);
  return ok;
}

bool CanCreateIn(const std::string& folder) {
  const std::string probe = folder + ".probe";
  const int fd = ::open(probe.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
  if (fd < 0) return false;
  ::close(fd);
  ::unlink(probe.c_str());
  return true;
}

}  // namespace

bool MakeFolderReadOnly(const std::string& folder) {
  ::chmod(folder.c_str(), 0500);
  if (CanCreateIn(folder)) SetImmutable(folder, true);
  return !CanCreateIn(folder);
}

void MakeFolderWritable(const std::string& folder) {
  SetImmutable(folder, false);
  ::chmod(folder.c_str(), 0700);
}

TempDir::TempDir() {
  std::string pattern = (std::filesystem::temp_directory_path() / "corvinade-test-XXXXXX").string();
  if (::mkdtemp(pattern.data()) == nullptr) ADD_FAILURE() << "cannot create a temporary folder";
  path_ = pattern + "/";
}

TempDir::~TempDir() {
  std::error_code error;
  // Tests make folders read-only; give write access back so they can go.
  for (auto it = std::filesystem::recursive_directory_iterator(path_, error);
       !error && it != std::filesystem::recursive_directory_iterator(); it.increment(error)) {
    if (it->is_directory(error) && !it->is_symlink(error)) MakeFolderWritable(it->path().string());
  }
  MakeFolderWritable(path_);
  std::filesystem::remove_all(path_, error);
}

std::string TempDir::Sub(const std::string& name) const {
  const std::string folder = path_ + name + "/";
  std::error_code error;
  std::filesystem::create_directories(folder, error);
  return folder;
}

void TempDir::Write(const std::string& name, const std::string& bytes) const { WriteTextFile(File(name), bytes); }

std::string TempDir::Read(const std::string& name) const { return ReadTextFile(File(name)); }

bool TempDir::Exists(const std::string& name) const {
  std::error_code error;
  return std::filesystem::exists(File(name), error);
}

std::string TempDir::Listing() const {
  std::vector<std::string> names;
  for (const auto& entry : std::filesystem::directory_iterator(path_))
    names.push_back(entry.path().filename().string());
  std::sort(names.begin(), names.end());
  std::string listing;
  for (const auto& name : names) listing += (listing.empty() ? "" : " ") + name;
  return listing;
}

void WriteTextFile(const std::string& path, const std::string& bytes) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out << bytes;
}

std::string ReadTextFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return "<missing>";
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

}  // namespace cvd::test
