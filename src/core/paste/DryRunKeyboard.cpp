#include "core/paste/DryRunKeyboard.h"

#include <algorithm>

#include "core/paste/UsLayout.h"

namespace cvd {

std::string DryRunKeyboard::KeyName(int key) { return UsKeyName(key); }

void DryRunKeyboard::SendKeyEvent(int key, bool up, bool extended) {
  events.push_back({loop_.NowMs(), up, UsKeyName(key), extended});
  if (up) {
    held.erase(std::remove(held.begin(), held.end(), key), held.end());
    return;
  }
  if (key == vk::Capital && !IsKeyDown(key)) capsLock = !capsLock;
  held.push_back(key);
}

std::optional<KeyScan> DryRunKeyboard::KeyForCharacter(char32_t character) { return UsLayoutKey(character); }

bool DryRunKeyboard::IsKeyDown(int key) { return std::find(held.begin(), held.end(), key) != held.end(); }

}  // namespace cvd
