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
  bool Register(int id, int modifiers, int keyCode) override {
    if (heldElsewhere.count({modifiers, keyCode}) != 0) return false;
    registered[id] = {modifiers, keyCode};
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

  std::map<int, std::pair<int, int>> registered;  // id -> modifiers, key code
  std::set<std::pair<int, int>> heldElsewhere;

 private:
  std::function<void(int)> handler_;
};

}  // namespace cvd::test
