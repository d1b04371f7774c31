#pragma once
// The event loop port on Qt: QTimer timers and the application's event queue.
#include "core/ports/EventLoop.h"

namespace cvd::qt {

class QtEventLoop : public EventLoop {
 public:
  std::unique_ptr<Timer> CreateTimer(int intervalMs, bool singleShot, std::function<void()> onTimeout) override;
  void Post(std::function<void()> fn) override;
  void ProcessEvents() override;
  void Sleep(int ms) override;
  std::int64_t NowMs() const override;
};

}  // namespace cvd::qt
