#include "core/util/FileBytes.h"

#include <fcntl.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

#include "core/util/AtomicFile.h"

namespace cvd {

void FileBytes::Release() {
  if (mapped_) ::munmap(mapped_, capacity_);
  mapped_ = nullptr;
  size_ = capacity_ = 0;
  small_.clear();
}

bool FileBytes::Read(const std::string& path, std::string* error, bool* missing) {
  Release();
  const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
  struct stat info {};
  if (fd < 0 || ::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode) ||
      static_cast<std::size_t>(info.st_size) < kMapFrom) {
    // Small files, folders and every failure: the plain reader decides.
    if (fd >= 0) ::close(fd);
    return ReadWholeFile(path, small_, error, missing);
  }
  // One byte more than the file holds, so that its end is seen by a read.
  capacity_ = static_cast<std::size_t>(info.st_size) + 1;
  void* memory = ::mmap(nullptr, capacity_, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
  if (memory == MAP_FAILED) {
    capacity_ = 0;
    ::close(fd);
    return ReadWholeFile(path, small_, error, missing);
  }
  // Only a wish: without huge pages the read faults the pages in one by one.
  ::madvise(memory, capacity_, MADV_HUGEPAGE);
  mapped_ = static_cast<char*>(memory);
  while (size_ < capacity_) {
    const ssize_t n = ::read(fd, mapped_ + size_, capacity_ - size_);
    if (n == 0) break;
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) {
      const int code = errno;
      ::close(fd);
      Release();
      if (missing) *missing = false;
      if (error) *error = "cannot read " + path + ": " + std::strerror(code);
      return false;
    }
    size_ += static_cast<std::size_t>(n);
  }
  ::close(fd);
  if (size_ == capacity_) {
    // The file grew while it was read: the plain reader takes it whole.
    Release();
    return ReadWholeFile(path, small_, error, missing);
  }
  if (missing) *missing = false;
  return true;
}

}  // namespace cvd
