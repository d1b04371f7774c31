#pragma once
#include <functional>

namespace cvd {

// A system-wide shortcut: a letter, a digit or a function key, with the
// modifiers held with it.
struct Shortcut {
  bool alt = false;
  bool ctrl = false;
  bool shift = false;
  bool super = false;
  // 'A'..'Z' or '0'..'9'; 0 for a function key.
  char character = 0;
  // 1..12 for F1..F12 when `character` is 0.
  int functionKey = 0;
  bool operator==(const Shortcut&) const = default;
};

class Hotkeys {
 public:
  virtual ~Hotkeys() = default;
  // Takes the key system-wide for `id`. False when another program holds
  // the key; nothing is taken then.
  virtual bool Register(int id, const Shortcut& shortcut) = 0;
  virtual void Unregister(int id) = 0;
  // Receives the id of every registered key that is pressed.
  virtual void SetHandler(std::function<void(int id)> onPressed) = 0;
};

}  // namespace cvd
