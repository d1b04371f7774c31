#pragma once
// The buttons of a big data file's groups other than the one on screen:
// deciphered on a thread of their own while the window is already up. Each
// list they belong to waits for them at its first use (ButtonList does), so
// whatever reads another group early (a group switch, a search, a save)
// waits a little and never sees a group half read.
#include <condition_variable>
#include <cstddef>
#include <functional>
#include <memory>
#include <mutex>
#include <string>
#include <string_view>
#include <thread>
#include <vector>

#include "core/data/ParallelDecipher.h"
#include "core/util/FileBytes.h"

namespace cvd {

class LateButtons : public std::enable_shared_from_this<LateButtons> {
 public:
  // Runs on the thread with the file's bytes when the reading begins or
  // something waits for it (WaitUntilSeen), whichever comes first.
  using Seen = std::function<void(std::string_view bytes)>;
  // Runs on the thread once every value is deciphered, with the bytes and
  // the count of values that did not decipher cleanly; returns what the
  // user is to be told (empty: nothing).
  using Finished = std::function<std::string(std::string_view bytes, std::size_t damaged)>;
  // Runs on the thread last, when HandOver no longer waits (not when there
  // was nothing to read).
  using Ready = std::function<void()>;

  // Starts the thread on `file` (the bytes every run's lines are in).
  static std::shared_ptr<LateButtons> Start(std::shared_ptr<const FileBytes> file, Seen seen, Finished finished,
                                            Ready ready);
  ~LateButtons();
  LateButtons(const LateButtons&) = delete;
  LateButtons& operator=(const LateButtons&) = delete;

  // The runs to decipher; every list they fill waits for them from now on.
  // Called once, on the thread that owns the lists.
  void Give(DeferredDecipher&& runs);
  // Has `seen` run now, if it has not yet, and waits until it has.
  void WaitUntilSeen();
  // The thread deciphers from now on; until then (or until something waits
  // for it) a window coming up has the cores to itself.
  void Begin();
  // Waits until every run is read.
  void Wait();
  // Gives `list` the buttons of the runs noted under `key`, waiting for them
  // first. Throws when they cannot be read; the list then keeps waiting.
  void HandOver(std::size_t key, ButtonList& list);
  // What `finished` returned; after Wait.
  const std::string& Message() const { return message_; }

 private:
  LateButtons(std::shared_ptr<const FileBytes> file, Seen seen, Finished finished, Ready ready);
  void See();
  void Read();
  void Work();

  std::shared_ptr<const FileBytes> file_;
  Seen seen_;
  Finished finished_;
  Ready ready_;
  std::vector<ButtonRun> runs_;
  std::vector<std::size_t> keys_;  // the key of each run
  std::string message_;
  std::thread thread_;
  std::mutex mutex_;
  std::condition_variable changed_;
  bool seenWanted_ = false;
  bool seenDone_ = false;
  bool given_ = false;
  bool begun_ = false;
  bool done_ = false;
};

}  // namespace cvd
