#include "core/util/AtomicFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <cstring>

namespace cvd {
namespace {

void SetError(std::string* error, const std::string& what, int code) {
  if (error) *error = what + ": " + std::strerror(code);
}

std::string FolderOf(const std::string& path) {
  const std::size_t slash = path.rfind('/');
  if (slash == std::string::npos) return ".";
  if (slash == 0) return "/";
  return path.substr(0, slash);
}

// Writes everything, retrying short writes and interrupted calls.
bool WriteAll(int fd, const std::string& bytes) {
  const char* data = bytes.data();
  std::size_t left = bytes.size();
  while (left > 0) {
    const ssize_t n = ::write(fd, data, left);
    if (n < 0) {
      if (errno == EINTR) continue;
      return false;
    }
    data += n;
    left -= static_cast<std::size_t>(n);
  }
  return true;
}

// The file a symbolic link finally names, so that saving through a link
// updates the linked file instead of replacing the link.
std::string ResolveLink(const std::string& path) {
  struct stat info {};
  if (::lstat(path.c_str(), &info) != 0 || !S_ISLNK(info.st_mode)) return path;
  char resolved[PATH_MAX];
  if (::realpath(path.c_str(), resolved) == nullptr) return path;
  return resolved;
}

}  // namespace

bool WriteFileAtomically(const std::string& requestedPath, const std::string& bytes, std::string* error,
                         FileAccess access) {
  const std::string path = ResolveLink(requestedPath);
  const std::string folder = FolderOf(path);
  std::string temp = path + ".tmp-XXXXXX";
  const int fd = ::mkstemp(temp.data());
  if (fd < 0) {
    SetError(error, "cannot create a temporary file in " + folder, errno);
    return false;
  }
  auto fail = [&](const std::string& what) {
    const int code = errno;
    ::close(fd);
    ::unlink(temp.c_str());
    SetError(error, what, code);
    return false;
  };
  // mkstemp made the file 0600.
  struct stat old {};
  if (access == FileAccess::KeepExisting && ::stat(path.c_str(), &old) == 0) ::fchmod(fd, old.st_mode & 07777);
  if (!WriteAll(fd, bytes)) return fail("cannot write " + path);
  if (::fsync(fd) != 0) return fail("cannot flush " + path);
  if (::close(fd) != 0) {
    const int code = errno;
    ::unlink(temp.c_str());
    SetError(error, "cannot write " + path, code);
    return false;
  }
  if (::rename(temp.c_str(), path.c_str()) != 0) {
    const int code = errno;
    ::unlink(temp.c_str());
    SetError(error, "cannot replace " + path, code);
    return false;
  }
  // Make the rename itself durable; a failure here no longer risks the data.
  const int dir = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (dir >= 0) {
    ::fsync(dir);
    ::close(dir);
  }
  return true;
}

bool WriteNewFile(const std::string& path, const std::string& bytes, std::string* error) {
  const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
  if (fd < 0) {
    SetError(error, "cannot create " + path, errno);
    return false;
  }
  if (!WriteAll(fd, bytes) || ::fsync(fd) != 0) {
    const int code = errno;
    ::close(fd);
    ::unlink(path.c_str());
    SetError(error, "cannot write " + path, code);
    return false;
  }
  if (::close(fd) != 0) {
    const int code = errno;
    ::unlink(path.c_str());
    SetError(error, "cannot write " + path, code);
    return false;
  }
  return true;
}

bool ReadWholeFile(const std::string& path, std::string& bytes, std::string* error, bool* missing) {
  if (missing) *missing = false;
  bytes.clear();
  const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) {
    if (missing) *missing = errno == ENOENT;
    SetError(error, "cannot open " + path, errno);
    return false;
  }
  struct stat info {};
  if (::fstat(fd, &info) == 0 && S_ISDIR(info.st_mode)) {
    ::close(fd);
    SetError(error, "cannot read " + path, EISDIR);
    return false;
  }
  // Read straight into the string: a big data file is not copied twice.
  std::size_t size = 0;
  bytes.resize(info.st_size > 0 ? static_cast<std::size_t>(info.st_size) + 1 : 65536);
  for (;;) {
    if (size == bytes.size()) bytes.resize(bytes.size() * 2);
    const ssize_t n = ::read(fd, bytes.data() + size, bytes.size() - size);
    if (n == 0) break;
    if (n < 0) {
      if (errno == EINTR) continue;
      const int code = errno;
      ::close(fd);
      bytes.clear();
      SetError(error, "cannot read " + path, code);
      return false;
    }
    size += static_cast<std::size_t>(n);
  }
  bytes.resize(size);
  ::close(fd);
  return true;
}

}  // namespace cvd
