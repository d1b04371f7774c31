#include "platform/qt/QtEventLoop.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QThread>
#include <QTimer>

#include <algorithm>

#include "platform/qt/WallClockWatch.h"

namespace cvd::qt {
namespace {

class QtTimer : public Timer {
 public:
  QtTimer(int intervalMs, bool singleShot, std::function<void()> onTimeout) : interval_(intervalMs) {
    timer_.setSingleShot(singleShot);
    timer_.setTimerType(Qt::PreciseTimer);
    timer_.setInterval(intervalMs);
    QObject::connect(&timer_, &QTimer::timeout, [fn = std::move(onTimeout)] { fn(); });
  }
  void Start() override {
    active_ = true;
    // A zero interval means "never fires" here, not "fire on every loop pass".
    if (interval_ > 0) {
      timer_.start(interval_);
    } else {
      timer_.stop();
    }
  }
  void Stop() override {
    active_ = false;
    timer_.stop();
  }
  bool IsActive() const override { return active_ && (interval_ <= 0 || timer_.isActive() || !timer_.isSingleShot()); }
  void SetInterval(int ms) override {
    interval_ = ms;
    if (ms > 0) timer_.setInterval(ms);
    if (active_) Start();
  }
  int Interval() const override { return interval_; }

 private:
  QTimer timer_;
  int interval_;
  bool active_ = false;
};

}  // namespace

QtEventLoop::QtEventLoop() = default;

QtEventLoop::~QtEventLoop() = default;

void QtEventLoop::OnWallClockJump(std::function<void()> fn) {
  if (!clock_) clock_ = std::make_unique<WallClockWatch>();
  clock_->Add(std::move(fn));
}

std::unique_ptr<Timer> QtEventLoop::CreateTimer(int intervalMs, bool singleShot, std::function<void()> onTimeout) {
  return std::make_unique<QtTimer>(intervalMs, singleShot, std::move(onTimeout));
}

void QtEventLoop::Post(std::function<void()> fn) {
  // A queued call to an object of the main thread: safe from any thread.
  QMetaObject::invokeMethod(QCoreApplication::instance(), std::move(fn), Qt::QueuedConnection);
}

void QtEventLoop::ProcessEvents() { QCoreApplication::processEvents(QEventLoop::AllEvents); }

void QtEventLoop::Sleep(int ms) {
  if (ms > 0) QThread::msleep(static_cast<unsigned long>(ms));
}

std::int64_t QtEventLoop::NowMs() const {
  static QElapsedTimer clock = [] {
    QElapsedTimer t;
    t.start();
    return t;
  }();
  return clock.elapsed();
}

}  // namespace cvd::qt
