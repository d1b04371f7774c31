#include "support/FakeEventLoop.h"

#include <algorithm>

namespace cvd::test {

struct FakeEventLoop::TimerState {
  int interval = 0;
  bool singleShot = false;
  bool active = false;
  std::int64_t due = 0;
  std::uint64_t order = 0;  // timers due at the same time fire in start order
  std::function<void()> onTimeout;
};

namespace {

std::uint64_t g_startCounter = 0;

class FakeTimer : public Timer {
 public:
  FakeTimer(FakeEventLoop::TimerState* state, FakeEventLoop& loop, std::vector<FakeEventLoop::TimerState*>& all,
            std::shared_ptr<bool> alive)
      : state_(state), loop_(loop), all_(all), alive_(std::move(alive)) {}
  ~FakeTimer() override {
    if (*alive_) all_.erase(std::remove(all_.begin(), all_.end(), state_), all_.end());
    delete state_;
  }
  void Start() override {
    state_->active = true;
    state_->due = loop_.NowMs() + state_->interval;
    state_->order = ++g_startCounter;
  }
  void Stop() override { state_->active = false; }
  bool IsActive() const override { return state_->active; }
  void SetInterval(int ms) override {
    state_->interval = ms;
    if (state_->active) Start();
  }
  int Interval() const override { return state_->interval; }

 private:
  FakeEventLoop::TimerState* state_;
  FakeEventLoop& loop_;
  std::vector<FakeEventLoop::TimerState*>& all_;
  std::shared_ptr<bool> alive_;
};

}  // namespace

FakeEventLoop::FakeEventLoop() : alive_(std::make_shared<bool>(true)) {}

FakeEventLoop::~FakeEventLoop() { *alive_ = false; }

std::unique_ptr<Timer> FakeEventLoop::CreateTimer(int intervalMs, bool singleShot, std::function<void()> onTimeout) {
  auto* state = new TimerState{intervalMs, singleShot, false, 0, 0, std::move(onTimeout)};
  timers_.push_back(state);
  return std::make_unique<FakeTimer>(state, *this, timers_, alive_);
}

int FakeEventLoop::RepeatingTimersWithin(int ms) const {
  return static_cast<int>(std::count_if(timers_.begin(), timers_.end(), [ms](const TimerState* t) {
    return t->active && !t->singleShot && t->interval > 0 && t->interval <= ms;
  }));
}

void FakeEventLoop::Post(std::function<void()> fn) {
  const std::lock_guard lock(postMutex_);
  posted_.push_back(std::move(fn));
}

void FakeEventLoop::RunPosted() {
  for (;;) {
    std::vector<std::function<void()>> batch;
    {
      const std::lock_guard lock(postMutex_);
      batch.swap(posted_);
    }
    if (batch.empty()) return;
    for (auto& fn : batch) fn();
  }
}

bool FakeEventLoop::RunOneDue(std::int64_t until) {
  TimerState* next = nullptr;
  for (TimerState* t : timers_) {
    if (!t->active || t->interval <= 0 || t->due > until) continue;
    if (!next || t->due < next->due || (t->due == next->due && t->order < next->order)) next = t;
  }
  if (!next) return false;
  if (next->due > now_) now_ = next->due;
  if (next->singleShot) {
    next->active = false;
  } else {
    next->due = now_ + next->interval;
    next->order = ++g_startCounter;
  }
  auto callback = next->onTimeout;  // the callback may destroy or restart the timer
  callback();
  return true;
}

void FakeEventLoop::ProcessEvents() {
  RunPosted();
  while (RunOneDue(now_)) RunPosted();
}

void FakeEventLoop::Sleep(int ms) {
  if (ms > 0) now_ += ms;
}

void FakeEventLoop::AdvanceBy(int ms) {
  const std::int64_t until = now_ + ms;
  RunPosted();
  while (RunOneDue(until)) RunPosted();
  now_ = until;
}

}  // namespace cvd::test
