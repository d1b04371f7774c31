#include "core/paste/DryRunKeyboard.h"

#include <algorithm>

#include "core/paste/UsLayout.h"

namespace cvd {

namespace {

bool IsNavigationKey(Key key) {
  if (!key.IsNamed()) return false;
  switch (key.Named()) {
    case NamedKey::Left:
    case NamedKey::Up:
    case NamedKey::Right:
    case NamedKey::Down:
    case NamedKey::Home:
    case NamedKey::End:
    case NamedKey::PageUp:
    case NamedKey::PageDown:
    case NamedKey::Insert: return true;
    default: return false;
  }
}

}  // namespace

void DryRunKeyboard::SendKeyEvent(Key key, bool up) {
  events.push_back({loop_.NowMs(), up, UsKeyName(key), IsNavigationKey(key)});
  if (up) {
    held.erase(std::remove(held.begin(), held.end(), key), held.end());
    return;
  }
  if (key == NamedKey::CapsLock && !IsKeyDown(NamedKey::CapsLock)) capsLock = !capsLock;
  held.push_back(key);
}

std::optional<KeyScan> DryRunKeyboard::KeyForCharacter(char32_t character) { return UsLayoutKey(character); }

bool DryRunKeyboard::IsKeyDown(NamedKey key) { return std::find(held.begin(), held.end(), Key(key)) != held.end(); }

}  // namespace cvd
