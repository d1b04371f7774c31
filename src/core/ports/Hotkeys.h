#pragma once
#include <functional>

namespace cvd {

// Modifier bits of a shortcut key value (modifiers x 256 + key code).
enum HotkeyModifier : int { hkShift = 1, hkCtrl = 2, hkAlt = 4, hkWin = 8 };

class Hotkeys {
 public:
  virtual ~Hotkeys() = default;
  // False when the key is held by another program.
  virtual bool Register(int id, int modifiers, int keyCode) = 0;
  virtual void Unregister(int id) = 0;
  // Receives the id of every registered key that is pressed.
  virtual void SetHandler(std::function<void(int id)> onPressed) = 0;
};

}  // namespace cvd
