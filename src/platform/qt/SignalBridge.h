#pragma once
// SIGTERM and SIGINT end the program as "Exit" does: the signal handler only
// writes to a pipe, and the event loop does the rest.
#include <QObject>
#include <functional>

class QSocketNotifier;

namespace cvd::qt {

class SignalBridge : public QObject {
 public:
  explicit SignalBridge(std::function<void()> onTerminate);
  ~SignalBridge() override;

 private:
  std::function<void()> onTerminate_;
  QSocketNotifier* notifier_ = nullptr;
};

}  // namespace cvd::qt
