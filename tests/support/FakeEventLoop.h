#pragma once
// An event loop in virtual time: Sleep advances the clock without running
// anything, ProcessEvents runs posted calls and the timers that are due, and
// AdvanceBy moves time forward, firing timers at their exact due times.
#include <cstdint>
#include <functional>
#include <memory>
#include <mutex>
#include <vector>

#include "core/ports/EventLoop.h"

namespace cvd::test {

class FakeEventLoop : public EventLoop {
 public:
  FakeEventLoop();
  ~FakeEventLoop() override;

  std::unique_ptr<Timer> CreateTimer(int intervalMs, bool singleShot, std::function<void()> onTimeout) override;
  void Post(std::function<void()> fn) override;
  void ProcessEvents() override;
  void Sleep(int ms) override;
  std::int64_t NowMs() const override { return now_; }
  void OnWallClockJump(std::function<void()> fn) override { clockJumped_.push_back(std::move(fn)); }
  // Tells the listeners that the wall clock jumped (the test moves its clock).
  void WallClockJumped() {
    for (auto& fn : clockJumped_) fn();
  }

  // Runs everything due up to now + ms, in time order.
  void AdvanceBy(int ms);
  // Active repeating timers that fire at least every `ms`: what wakes the program at rest.
  int RepeatingTimersWithin(int ms) const;

  struct TimerState;

 private:
  bool RunOneDue(std::int64_t until);
  void RunPosted();

  std::int64_t now_ = 0;
  std::mutex postMutex_;  // Post may come from any thread
  std::vector<std::function<void()>> posted_;
  std::vector<TimerState*> timers_;
  std::vector<std::function<void()>> clockJumped_;
  std::shared_ptr<bool> alive_;
};

}  // namespace cvd::test
