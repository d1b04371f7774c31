#pragma once
// Notices wall clock jumps: the clock set by hand or by time sync, and the
// machine waking from sleep (which moves the wall clock against the one
// timers run on). A timer on the wall clock set to expire never and to be
// cancelled when the clock is set: nothing runs until a jump.
#include <QObject>
#include <functional>
#include <vector>

class QSocketNotifier;

namespace cvd::qt {

class WallClockWatch : public QObject {
  Q_OBJECT
 public:
  WallClockWatch();
  ~WallClockWatch() override;
  WallClockWatch(const WallClockWatch&) = delete;
  WallClockWatch& operator=(const WallClockWatch&) = delete;

  void Add(std::function<void()> fn);

 private:
  bool Arm();
  void Jumped();

  int fd_ = -1;
  QSocketNotifier* notifier_ = nullptr;
  std::vector<std::function<void()>> listeners_;
};

}  // namespace cvd::qt
