#pragma once
// The journal's files on a disk that fails on demand: full (with some bytes
// left), refusing to open the journal for reading or writing, or failing to
// read. Everything else goes to the real files.
#include <fcntl.h>

#include <algorithm>
#include <cerrno>
#include <string>

#include "core/journal/JournalFiles.h"

namespace cvd::test {

class FaultyJournalFiles : public JournalFiles {
 public:
  int Open(const std::string& path, int flags) override {
    const bool writing = (flags & O_ACCMODE) != O_RDONLY;
    if (writing ? refuseWrite : refuseRead) return Fail(EACCES);
    return JournalFiles::Open(path, flags);
  }
  ssize_t Read(int fd, char* buffer, std::size_t size) override {
    if (readFails) return Fail(EIO);
    return JournalFiles::Read(fd, buffer, size);
  }
  ssize_t Write(int fd, const char* bytes, std::size_t size) override {
    if (room < 0) return JournalFiles::Write(fd, bytes, size);
    if (room == 0) return Fail(ENOSPC);
    const ssize_t n = JournalFiles::Write(fd, bytes, std::min(size, static_cast<std::size_t>(room)));
    if (n > 0) room -= n;
    return n;
  }
  int DataSync(int fd) override {
    ++syncs;
    return JournalFiles::DataSync(fd);
  }
  bool Replace(const std::string& path, const std::string& bytes, std::string* error) override {
    if (room >= 0 || refuseWrite) {
      if (error) *error = "no space left";
      return false;
    }
    return JournalFiles::Replace(path, bytes, error);
  }

  // The disk works again.
  void Heal() {
    room = -1;
    refuseRead = refuseWrite = readFails = false;
  }

  // Bytes the disk still takes; -1: no limit.
  ssize_t room = -1;
  bool refuseRead = false;
  bool refuseWrite = false;
  bool readFails = false;
  int syncs = 0;

 private:
  static int Fail(int code) {
    errno = code;
    return -1;
  }
};

}  // namespace cvd::test
