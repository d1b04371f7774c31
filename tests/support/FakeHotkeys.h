#pragma once
// System-wide keys for tests: keys listed in `heldElsewhere` belong to
// another program; Press delivers a key as the system would.
#include <functional>
#include <map>
#include <set>
#include <utility>

#include "core/ports/Hotkeys.h"

namespace cvd::test {

class FakeHotkeys : public Hotkeys {
 public:
  bool Register(int id, const Shortcut& shortcut) override {
    const std::pair<int, int> key = StoredForm(shortcut);
    if (heldElsewhere.count(key) != 0) return false;
    registered[id] = key;
    return true;
  }
  void Unregister(int id) override { registered.erase(id); }
  void SetHandler(std::function<void(int)> onPressed) override { handler_ = std::move(onPressed); }

  // The key registered as modifiers x 256 + code is pressed.
  void Press(int keyValue) {
    for (const auto& [id, key] : registered) {
      if (key.first * 256 + key.second == keyValue && handler_) {
        handler_(id);
        return;
      }
    }
  }

  // A shortcut in the settings file's terms: its modifier bits and key code.
  static std::pair<int, int> StoredForm(const Shortcut& s) {
    const int modifiers = (s.alt ? 1 : 0) | (s.ctrl ? 2 : 0) | (s.shift ? 4 : 0) | (s.super ? 8 : 0);
    return {modifiers, s.character != 0 ? s.character : 111 + s.functionKey};
  }

  std::map<int, std::pair<int, int>> registered;  // id -> modifiers, key code
  std::set<std::pair<int, int>> heldElsewhere;

 private:
  std::function<void(int)> handler_;
};

}  // namespace cvd::test
