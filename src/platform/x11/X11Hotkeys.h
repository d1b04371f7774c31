#pragma once
// System-wide keys on X11: passive grabs on the root window through Qt's
// xcb connection, one for each state of Caps Lock and Num Lock.
#include <QAbstractNativeEventFilter>
#include <cstdint>
#include <functional>
#include <map>

#include "core/ports/Hotkeys.h"

struct xcb_connection_t;

namespace cvd::x11 {

class X11Hotkeys : public Hotkeys, public QAbstractNativeEventFilter {
 public:
  // Uses the application's X connection; inert when there is none.
  X11Hotkeys();
  ~X11Hotkeys() override;
  X11Hotkeys(const X11Hotkeys&) = delete;
  X11Hotkeys& operator=(const X11Hotkeys&) = delete;

  bool Available() const { return connection_ != nullptr; }

  bool Register(int id, const Shortcut& shortcut) override;
  void Unregister(int id) override;
  void SetHandler(std::function<void(int id)> onPressed) override { handler_ = std::move(onPressed); }

  bool nativeEventFilter(const QByteArray& eventType, void* message, qintptr* result) override;

 private:
  struct Grab {
    Shortcut shortcut;
    std::uint8_t keycode = 0;  // the X key code it is grabbed on
    std::uint16_t mask = 0;    // the X modifier mask
  };
  std::uint8_t KeycodeOf(const Shortcut& shortcut) const;
  std::uint8_t KeycodeOfKeysym(std::uint32_t keysym) const;
  std::uint16_t NumLockMask() const;
  bool GrabVariants(std::uint8_t keycode, std::uint16_t mask);
  void UngrabVariants(std::uint8_t keycode, std::uint16_t mask);
  void RenewGrabs();

  xcb_connection_t* connection_ = nullptr;
  std::uint32_t root_ = 0;
  std::uint16_t numLockMask_ = 0;
  std::map<int, Grab> grabs_;  // by id
  std::function<void(int)> handler_;
};

}  // namespace cvd::x11
