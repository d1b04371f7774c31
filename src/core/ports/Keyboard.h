#pragma once
#include <optional>

namespace cvd {

// Virtual keys of the key macro language, mapped to real keys by the platform.
enum class VirtualKey {
  Enter, Tab, Space, Left, Right, Up, Down, Home, End, PageUp, PageDown, Insert, Delete, Backspace, Escape,
  Shift, Control, Alt, LeftWin, CapsLock,
  F1, F2, F3, F4, F5, F6, F7, F8, F9, F10, F11, F12,
};

// A key that types a character, with the modifiers it needs.
struct CharacterKey {
  int keyCode = 0;
  bool shift = false;
  bool control = false;
  bool alt = false;
};

class Keyboard {
 public:
  virtual ~Keyboard() = default;
  virtual void KeyDown(VirtualKey key, bool extended = false) = 0;
  virtual void KeyUp(VirtualKey key, bool extended = false) = 0;
  // The key for a Unicode code point, or nothing when the layout has none.
  virtual std::optional<CharacterKey> KeyForCharacter(char32_t codePoint) = 0;
  virtual void CharacterKeyDown(const CharacterKey& key) = 0;
  virtual void CharacterKeyUp(const CharacterKey& key) = 0;
  virtual bool CapsLockOn() = 0;
  virtual bool IsKeyDown(VirtualKey key) = 0;
};

}  // namespace cvd
