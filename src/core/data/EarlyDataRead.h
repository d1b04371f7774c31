#pragma once
// The data file read on a thread of its own while the program's windows
// are being made, and a big file's layout with it: for a big history that
// was most of what the load added to the start-up on the main thread.
// The load takes them only when they are those of the file it would read,
// unchanged since (see Take); otherwise it reads the file itself, so a wrong
// guess of the folder or a change in between costs nothing but time.
#include <functional>
#include <memory>
#include <string>
#include <thread>

#include "core/util/FileBytes.h"
#include "core/util/FileStamp.h"

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
  // The bytes, when the file read is `path` and its stamp is still the one
  // it had when it was read; nothing otherwise, and when it
  // could not be read (the caller's own read then tells why). Waits for the
  // read; what was read is handed out once.
  Taken Take(const std::string& path);

 private:
  void Read(const std::function<std::string()>& where);

  std::string path_;
  Taken read_{};     // empty when the read failed or the file changed meanwhile
  FileStamp stamp_;  // of the file read
  std::thread thread_;
};

}  // namespace cvd
