#pragma once
// A keyboard on a fixed US layout that records every key event with its
// virtual time. Caps Lock toggles on each Caps Lock key-down.
#include <string>
#include <vector>

#include "core/ports/EventLoop.h"
#include "core/ports/Keyboard.h"

namespace cvd::testing {

struct KeyEvent {
  std::int64_t time;
  bool up;
  std::string key;  // a named key ("Return", "Shift_L", ...) or the character's base key ("a", "1", ";")
  bool extended = false;
  bool operator==(const KeyEvent&) const = default;
};

class RecordingKeyboard : public Keyboard {
 public:
  explicit RecordingKeyboard(const EventLoop& loop) : loop_(loop) {}

  void SendKeyEvent(int key, bool up, bool extended) override;
  std::optional<KeyScan> KeyForCharacter(char32_t character) override;
  bool CapsLockOn() override { return capsLock; }
  bool IsKeyDown(int key) override;

  // The X keysym name of a named virtual key or a character key.
  static std::string KeyName(int key);

  std::vector<KeyEvent> events;
  bool capsLock = false;
  std::vector<int> held;

 private:
  const EventLoop& loop_;
};

}  // namespace cvd::testing
