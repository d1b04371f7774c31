#include "platform/qt/WallClockWatch.h"

#include <sys/timerfd.h>
#include <unistd.h>

#include <QSocketNotifier>
#include <cerrno>
#include <cstdint>
#include <cstring>
#include <ctime>
#include <limits>

#include "core/log/Log.h"

namespace cvd::qt {

WallClockWatch::WallClockWatch() : fd_(timerfd_create(CLOCK_REALTIME, TFD_NONBLOCK | TFD_CLOEXEC)) {
  if (fd_ < 0 || !Arm()) {
    LogWarning("clock", std::string("clock changes go unnoticed: ") + std::strerror(errno));
    return;
  }
  notifier_ = new QSocketNotifier(fd_, QSocketNotifier::Read, this);
  connect(notifier_, &QSocketNotifier::activated, this, &WallClockWatch::Jumped);
}

WallClockWatch::~WallClockWatch() {
  if (fd_ >= 0) close(fd_);
}

void WallClockWatch::Add(std::function<void()> fn) { listeners_.push_back(std::move(fn)); }

bool WallClockWatch::Arm() {
  itimerspec never{};
  never.it_value.tv_sec = std::numeric_limits<time_t>::max() / 2;
  return timerfd_settime(fd_, TFD_TIMER_ABSTIME | TFD_TIMER_CANCEL_ON_SET, &never, nullptr) == 0;
}

void WallClockWatch::Jumped() {
  // A cancelled timer reads ECANCELED once and must be set again.
  std::uint64_t expirations = 0;
  const ssize_t n = read(fd_, &expirations, sizeof expirations);
  if (n < 0 && errno == EAGAIN) return;
  if (!Arm()) {
    LogWarning("clock", std::string("clock changes go unnoticed from now: ") + std::strerror(errno));
    notifier_->setEnabled(false);
  }
  for (const auto& fn : listeners_) fn();
}

}  // namespace cvd::qt
