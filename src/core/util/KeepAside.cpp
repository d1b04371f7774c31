#include "core/util/KeepAside.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

#include "core/util/AtomicFile.h"
#include "core/util/Files.h"

namespace cvd {
namespace {

constexpr int kMaxDamagedCopies = 1000;

bool SameFile(const std::string& a, const std::string& b) {
  struct stat sa {
  }, sb{};
  return ::stat(a.c_str(), &sa) == 0 && ::stat(b.c_str(), &sb) == 0 && sa.st_dev == sb.st_dev && sa.st_ino == sb.st_ino;
}

bool HoldsBytes(const std::string& copy, std::string_view bytes) {
  struct stat st {};
  if (::stat(copy.c_str(), &st) != 0 || static_cast<std::size_t>(st.st_size) != bytes.size()) return false;
  const auto held = ReadFileUpTo(copy, bytes.size());
  return held && *held == bytes;
}

}  // namespace

std::string KeepDamagedCopy(const std::string& path, const std::string_view* bytes, std::string& error) {
  for (int n = 1; n <= kMaxDamagedCopies; ++n) {
    std::string copy = path + ".damaged" + (n == 1 ? std::string() : "." + std::to_string(n));
    struct stat st {};
    if (::lstat(copy.c_str(), &st) == 0) {
      if (bytes ? HoldsBytes(copy, *bytes) : SameFile(path, copy)) return copy;
      continue;
    }
    if (bytes) {
      if (WriteNewFile(copy, std::string(*bytes), &error)) return copy;
    } else {
      if (::link(path.c_str(), copy.c_str()) == 0) return copy;
      error = "cannot link " + copy + ": " + std::strerror(errno);
    }
    return {};
  }
  error = "too many earlier copies";
  return {};
}

}  // namespace cvd
