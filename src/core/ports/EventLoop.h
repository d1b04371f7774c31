#pragma once
#include <cstdint>
#include <functional>
#include <memory>

namespace cvd {

// A timer of the button window. An interval of 0 never fires.
class Timer {
 public:
  virtual ~Timer() = default;
  // Enables the timer; a full interval starts now (also when already active).
  virtual void Start() = 0;
  virtual void Stop() = 0;
  virtual bool IsActive() const = 0;
  // Changing the interval of an active timer starts a new full interval.
  virtual void SetInterval(int ms) = 0;
  virtual int Interval() const = 0;
};

class EventLoop {
 public:
  virtual ~EventLoop() = default;
  virtual std::unique_ptr<Timer> CreateTimer(int intervalMs, bool singleShot, std::function<void()> onTimeout) = 0;
  // Runs `fn` later on the event loop; may be called from any thread.
  virtual void Post(std::function<void()> fn) = 0;
  // Runs pending events, due timers and posted calls, then returns.
  virtual void ProcessEvents() = 0;
  // A plain sleep that processes nothing. (Answering the window system's
  // requests during it, such as another program asking for the clipboard,
  // was tried: it lost shortcut key presses that arrived meanwhile.)
  virtual void Sleep(int ms) = 0;
  // Milliseconds on a monotonic clock.
  virtual std::int64_t NowMs() const = 0;
  // Calls `fn` on the event loop whenever the wall clock jumps: set by hand
  // or by time sync, or on waking from sleep (timers count no time asleep).
  // The loop outlives whoever listens.
  // NOLINTNEXTLINE(performance-unnecessary-value-param): the loops that listen keep it
  virtual void OnWallClockJump(std::function<void()> /*fn*/) {}
};

}  // namespace cvd
