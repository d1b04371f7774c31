#pragma once
// A keyboard that sends nothing: it records every key event with the time
// of the event loop it runs under, on the fixed US layout. Caps Lock
// toggles on each Caps Lock key-down, as on a real keyboard. The dry run of
// a key macro and the tests type into it.
#include <cstdint>
#include <string>
#include <vector>

#include "core/ports/EventLoop.h"
#include "core/ports/Keyboard.h"

namespace cvd {

struct DryRunKeyEvent {
  std::int64_t time;
  bool up;
  std::string key;  // X keysym name (UsKeyName)
  // A key of a PC keyboard's navigation block (arrows, Home, End, Page Up,
  // Page Down, Insert), which the scripts reading a dry run tell apart.
  bool extended = false;
  bool operator==(const DryRunKeyEvent&) const = default;
};

class DryRunKeyboard : public Keyboard {
 public:
  explicit DryRunKeyboard(const EventLoop& loop) : loop_(loop) {}

  void SendKeyEvent(Key key, bool up) override;
  std::optional<KeyScan> KeyForCharacter(char32_t character) override;
  bool CapsLockOn() override { return capsLock; }
  bool IsKeyDown(NamedKey key) override;

  std::vector<DryRunKeyEvent> events;
  bool capsLock = false;
  std::vector<Key> held;  // keys down now, in the order they went down

 private:
  const EventLoop& loop_;
};

}  // namespace cvd
