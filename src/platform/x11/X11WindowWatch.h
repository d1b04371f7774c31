#pragma once
// Notices of a new active window and of its title or state, from the X
// server's PropertyNotify events, so that target tracking need not ask.
#include <QAbstractNativeEventFilter>
#include <functional>

typedef struct _XDisplay Display;

namespace cvd::x11 {

class X11WindowWatch : public QAbstractNativeEventFilter {
 public:
  // Watches the root window of `display` (Qt's connection) and the active window.
  X11WindowWatch(Display* display, std::function<void()> onChange);
  ~X11WindowWatch() override;
  X11WindowWatch(const X11WindowWatch&) = delete;
  X11WindowWatch& operator=(const X11WindowWatch&) = delete;

  bool nativeEventFilter(const QByteArray& eventType, void* message, qintptr* result) override;

 private:
  void FollowActiveWindow();
  void Unwatch();

  Display* display_;
  std::function<void()> onChange_;
  unsigned long root_;
  unsigned long activeAtom_, netNameAtom_, nameAtom_, netStateAtom_, stateAtom_;
  unsigned long watched_ = 0;   // the active window we listen to
  long watchedMaskBefore_ = 0;  // our own event mask on it before
  long rootMaskBefore_ = 0;
};

}  // namespace cvd::x11
