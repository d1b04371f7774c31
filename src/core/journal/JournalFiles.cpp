#include "core/journal/JournalFiles.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "core/util/AtomicFile.h"

namespace cvd {

int JournalFiles::Open(const std::string& path, int flags) { return ::open(path.c_str(), flags | O_CLOEXEC); }

ssize_t JournalFiles::Read(int fd, char* buffer, std::size_t size) { return ::read(fd, buffer, size); }

ssize_t JournalFiles::Write(int fd, const char* bytes, std::size_t size) { return ::write(fd, bytes, size); }

int JournalFiles::DataSync(int fd) { return ::fdatasync(fd); }

int JournalFiles::Truncate(int fd, off_t size) { return ::ftruncate(fd, size); }

void JournalFiles::Close(int fd) { ::close(fd); }

off_t JournalFiles::Size(int fd) {
  struct stat info {};
  return ::fstat(fd, &info) == 0 ? info.st_size : -1;
}

bool JournalFiles::Replace(const std::string& path, const std::string& bytes, std::string* error) {
  // The atomic writer makes the journal its owner's alone (kJournalMode).
  return WriteFileAtomically(path, bytes, error);
}

JournalFiles& SystemJournalFiles() {
  static JournalFiles files;
  return files;
}

}  // namespace cvd
