#pragma once
// The data file read on a thread of its own while the program's windows
// are being made, and a big file's layout with it: for a big history that
// was most of what the load added to the start-up on the main thread.
// The load takes them only when they are those of the file it would read,
// unchanged since (see Take); otherwise it reads the file itself, so a wrong
// guess of the folder or a change in between costs nothing but time.
#include <sys/types.h>

#include <ctime>
#include <functional>
#include <memory>
#include <string>
#include <thread>

#include "core/util/FileBytes.h"

namespace cvd {

struct LayoutAhead;

class EarlyDataRead {
 public:
  // Reads the file at the path `where` gives; `where` runs on the new
  // thread, so that finding the folder costs the caller nothing either.
  explicit EarlyDataRead(std::function<std::string()> where);
  ~EarlyDataRead();  // waits for the thread
  EarlyDataRead(const EarlyDataRead&) = delete;
  EarlyDataRead& operator=(const EarlyDataRead&) = delete;

  // Waits until the read is over.
  void Wait();

  struct Taken {
    std::shared_ptr<FileBytes> file;
    std::shared_ptr<LayoutAhead> layout;  // of a big file's bytes (see ReadLayoutAhead)
  };
  // The bytes, when the file read is `path` and it is the same file with the
  // same size and times as when it was read; nothing otherwise, and when it
  // could not be read (the caller's own read then tells why). Waits for the
  // read; what was read is handed out once.
  Taken Take(const std::string& path);

  // What identifies a file's contents without reading it again: a save
  // replaces the file (a new inode), a write in place changes its times.
  struct Identity {
    dev_t device = 0;
    ino_t inode = 0;
    off_t size = -1;
    timespec modified{};
    timespec changed{};
    bool operator==(const Identity& other) const;
  };
  // False when `path` cannot be looked at.
  static bool Identify(const std::string& path, Identity& identity);

 private:
  void Read(const std::function<std::string()>& where);

  std::string path_;
  Taken read_{};  // empty when the read failed or the file changed meanwhile
  Identity identity_;
  std::thread thread_;
};

}  // namespace cvd
