#include "core/data/LateButtons.h"

#include <algorithm>
#include <stdexcept>
#include <system_error>

#include "core/data/LineFile.h"
#include "core/log/Log.h"

namespace cvd {

LateButtons::LateButtons(std::shared_ptr<const FileBytes> file, Seen seen, Finished finished, Ready ready)
    : file_(std::move(file)), seen_(std::move(seen)), finished_(std::move(finished)), ready_(std::move(ready)) {}

std::shared_ptr<LateButtons> LateButtons::Start(std::shared_ptr<const FileBytes> file, Seen seen, Finished finished,
                                                Ready ready) {
  std::shared_ptr<LateButtons> late(
      new LateButtons(std::move(file), std::move(seen), std::move(finished), std::move(ready)));
  try {
    // The thread never owns the object: its last owner joins it.
    late->thread_ = std::thread([raw = late.get()] { raw->Work(); });
  } catch (const std::system_error&) {
    // No thread to be had: this one sees the bytes now and reads at Give.
    late->See();
  }
  return late;
}

LateButtons::~LateButtons() {
  if (!thread_.joinable()) return;
  {
    // A loader that gave up before Give leaves nothing to read.
    const std::lock_guard lock(mutex_);
    given_ = begun_ = true;
  }
  changed_.notify_all();
  thread_.join();
}

void LateButtons::See() {
  try {
    if (seen_) seen_(file_->View());
  } catch (...) {
    LogWarning("data", "looking at the data file ahead failed: " + CurrentExceptionText());
  }
  {
    const std::lock_guard lock(mutex_);
    seenDone_ = true;
  }
  changed_.notify_all();
}

void LateButtons::Read() {
  if (runs_.empty()) {
    file_.reset();
    const std::lock_guard lock(mutex_);
    done_ = true;
    changed_.notify_all();
    return;
  }
  // One core stays with the window.
  const unsigned cores = std::thread::hardware_concurrency();
  const std::size_t damaged = DecipherRuns(runs_, std::clamp(cores, 2u, 8u) - 1);
  const bool failed = std::any_of(runs_.begin(), runs_.end(), [](const ButtonRun& run) { return run.failed; });
  if (failed) LogWarning("data", "the data file's groups ran out of memory while read ahead; they are read again");
  try {
    if (finished_) message_ = finished_(file_->View(), damaged);
  } catch (...) {
    LogWarning("data", "checking the data file after reading failed: " + CurrentExceptionText());
  }
  // The bytes are needed again only for runs read again.
  if (!failed) file_.reset();
  {
    const std::lock_guard lock(mutex_);
    done_ = true;
  }
  changed_.notify_all();
  if (ready_) ready_();
}

void LateButtons::Work() {
  {
    // Hashing the whole file took CPU from the window coming up too.
    std::unique_lock lock(mutex_);
    changed_.wait(lock, [this] { return seenWanted_ || begun_; });
  }
  See();
  {
    std::unique_lock lock(mutex_);
    changed_.wait(lock, [this] { return given_ && begun_; });
  }
  Read();
}

void LateButtons::Give(DeferredDecipher&& runs) {
  std::vector<const ButtonList*> seen;
  keys_.clear();
  for (ButtonList* list : runs.lists_) {
    const auto at = std::find(seen.begin(), seen.end(), list);
    keys_.push_back(static_cast<std::size_t>(at - seen.begin()));
    if (at != seen.end()) continue;
    seen.push_back(list);
    list->AwaitStrings(shared_from_this(), keys_.back());
  }
  {
    const std::lock_guard lock(mutex_);
    runs_ = std::move(runs.runs_);
    given_ = true;
  }
  changed_.notify_all();
  if (!thread_.joinable()) Read();
}

void LateButtons::WaitUntilSeen() {
  std::unique_lock lock(mutex_);
  seenWanted_ = true;
  changed_.notify_all();
  changed_.wait(lock, [this] { return seenDone_; });
}

void LateButtons::Begin() {
  {
    const std::lock_guard lock(mutex_);
    begun_ = true;
  }
  changed_.notify_all();
}

void LateButtons::Wait() {
  Begin();
  std::unique_lock lock(mutex_);
  changed_.wait(lock, [this] { return done_; });
}

void LateButtons::HandOver(std::size_t key, ButtonList& list) {
  Wait();
  for (std::size_t i = 0; i < runs_.size(); ++i) {
    if (keys_[i] != key) continue;
    ButtonRun& run = runs_[i];
    if (run.failed) {
      ReadRun(run);
      run.failed = false;
    }
    list.Adopt(run.first, std::move(run.read), run.hasColours);
  }
}

}  // namespace cvd
