#pragma once
// A keyboard that records every key event with its virtual time, on a fixed
// US layout.
#include <string>
#include <vector>

#include "core/ports/EventLoop.h"
#include "core/ports/Keyboard.h"

namespace cvd::testing {

struct KeyEvent {
  std::int64_t time;
  bool down;
  std::string key;  // virtual key name, or the character typed for character keys
  bool extended = false;
  bool operator==(const KeyEvent&) const = default;
};

class RecordingKeyboard : public Keyboard {
 public:
  explicit RecordingKeyboard(const EventLoop& loop) : loop_(loop) {}

  void KeyDown(VirtualKey key, bool extended) override;
  void KeyUp(VirtualKey key, bool extended) override;
  std::optional<CharacterKey> KeyForCharacter(char32_t codePoint) override;
  void CharacterKeyDown(const CharacterKey& key) override;
  void CharacterKeyUp(const CharacterKey& key) override;
  bool CapsLockOn() override { return capsLock; }
  bool IsKeyDown(VirtualKey key) override;

  static std::string Name(VirtualKey key);

  std::vector<KeyEvent> events;
  bool capsLock = false;
  std::vector<VirtualKey> held;

 private:
  const EventLoop& loop_;
};

}  // namespace cvd::testing
