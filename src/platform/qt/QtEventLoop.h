#pragma once
// The event loop port on Qt: QTimer timers and the application's event queue.
#include <memory>

#include "core/ports/EventLoop.h"

namespace cvd::qt {

class WallClockWatch;

class QtEventLoop : public EventLoop {
 public:
  QtEventLoop();
  ~QtEventLoop() override;
  QtEventLoop(const QtEventLoop&) = delete;
  QtEventLoop& operator=(const QtEventLoop&) = delete;

  std::unique_ptr<Timer> CreateTimer(int intervalMs, bool singleShot, std::function<void()> onTimeout) override;
  void Post(std::function<void()> fn) override;
  void ProcessEvents() override;
  void Sleep(int ms) override;
  std::int64_t NowMs() const override;
  void OnWallClockJump(std::function<void()> fn) override;

 private:
  std::unique_ptr<WallClockWatch> clock_;  // made when first asked for
};

}  // namespace cvd::qt
