#pragma once
#include <functional>

namespace cvd {

// Modifier bits of a shortcut key value (modifiers x 256 + key code).
enum HotkeyModifier : int { hkAlt = 1, hkCtrl = 2, hkShift = 4, hkWin = 8 };

class Hotkeys {
 public:
  virtual ~Hotkeys() = default;
  // Takes the key system-wide for `id` (modifiers: HotkeyModifier bits;
  // keyCode: A-Z, 0-9 as their characters, F1-F12 as 112-123). False when
  // another program holds the key; nothing is taken then.
  virtual bool Register(int id, int modifiers, int keyCode) = 0;
  virtual void Unregister(int id) = 0;
  // Receives the id of every registered key that is pressed.
  virtual void SetHandler(std::function<void(int id)> onPressed) = 0;
};

}  // namespace cvd
