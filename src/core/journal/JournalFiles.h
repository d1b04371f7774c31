#pragma once
// The file calls the clip journal makes, behind one seam so that tests can
// put a full, read-only or failing disk under it.
#include <sys/types.h>

#include <cstddef>
#include <string>

namespace cvd {

// The journal's own mode: its user reads and writes it, nobody else.
inline constexpr mode_t kJournalMode = 0600;

class JournalFiles {
 public:
  virtual ~JournalFiles() = default;
  // As open(2), read(2), write(2), fdatasync(2), ftruncate(2) and close(2):
  // -1 with errno set on failure.
  virtual int Open(const std::string& path, int flags);
  virtual ssize_t Read(int fd, char* buffer, std::size_t size);
  virtual ssize_t Write(int fd, const char* bytes, std::size_t size);
  virtual int DataSync(int fd);
  virtual int Truncate(int fd, off_t size);
  virtual void Close(int fd);
  // The size of the open file, -1 when unknown.
  virtual off_t Size(int fd);
  // Replaces `path` atomically by `bytes` with the journal's own mode, so
  // that a journal someone made unreadable is not made so again.
  virtual bool Replace(const std::string& path, const std::string& bytes, std::string* error);
};

// The real files.
JournalFiles& SystemJournalFiles();

}  // namespace cvd
