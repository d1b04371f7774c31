#include "support/RecordingKeyboard.h"

#include <algorithm>
#include <cstring>

namespace cvd::testing {

namespace {
// US layout: characters typed with Shift, and the unshifted character on the same key.
constexpr const char* kShifted = "~!@#$%^&*()_+{}|:\"<>?";
constexpr const char* kUnshifted = "`1234567890-=[]\\;',./";
constexpr int kCharacterBase = 0x100;
}  // namespace

std::string RecordingKeyboard::KeyName(int key) {
  switch (key) {
    case vk::Tab: return "Tab";
    case vk::Return: return "Return";
    case vk::Shift: return "Shift_L";
    case vk::Control: return "Control_L";
    case vk::Menu: return "Alt_L";
    case vk::Capital: return "Caps_Lock";
    case vk::Space: return "space";
    case vk::Prior: return "Prior";
    case vk::Next: return "Next";
    case vk::End: return "End";
    case vk::Home: return "Home";
    case vk::Left: return "Left";
    case vk::Up: return "Up";
    case vk::Right: return "Right";
    case vk::Down: return "Down";
    case vk::Insert: return "Insert";
    case vk::LWin: return "Super_L";
    default: break;
  }
  if (key > kCharacterBase) return std::string(1, static_cast<char>(key - kCharacterBase));
  return "vk" + std::to_string(key);
}

void RecordingKeyboard::SendKeyEvent(int key, bool up, bool extended) {
  events.push_back({loop_.NowMs(), up, KeyName(key), extended});
  if (!up && key == vk::Capital) capsLock = !capsLock;
  if (up) {
    held.erase(std::remove(held.begin(), held.end(), key), held.end());
  } else {
    held.push_back(key);
  }
}

std::optional<KeyScan> RecordingKeyboard::KeyForCharacter(char32_t c) {
  if (c >= 'a' && c <= 'z') return KeyScan{kCharacterBase + static_cast<int>(c), 0};
  if (c >= 'A' && c <= 'Z') return KeyScan{kCharacterBase + static_cast<int>(c - 'A' + 'a'), ssShift};
  if (c >= '0' && c <= '9') return KeyScan{kCharacterBase + static_cast<int>(c), 0};
  if (c == ' ') return KeyScan{vk::Space, 0};
  if (c == '\t') return KeyScan{vk::Tab, 0};
  if (c == '\r') return KeyScan{vk::Return, 0};
  if (c > 0 && c < 128) {
    if (const char* p = std::strchr(kShifted, static_cast<int>(c))) {
      return KeyScan{kCharacterBase + kUnshifted[p - kShifted], ssShift};
    }
    if (std::strchr(kUnshifted, static_cast<int>(c))) return KeyScan{kCharacterBase + static_cast<int>(c), 0};
  }
  return std::nullopt;
}

bool RecordingKeyboard::IsKeyDown(int key) { return std::find(held.begin(), held.end(), key) != held.end(); }

}  // namespace cvd::testing
