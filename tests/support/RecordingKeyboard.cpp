#include "support/RecordingKeyboard.h"

#include <algorithm>

namespace cvd::testing {

namespace {
// US layout: the shifted characters of the number and punctuation keys.
constexpr const char* kShiftedFrom = "~!@#$%^&*()_+{}|:\"<>?";
constexpr const char* kShiftedTo = "`1234567890-=[]\\;',./";
}  // namespace

std::string RecordingKeyboard::Name(VirtualKey key) {
  static const char* const names[] = {"Enter", "Tab",      "Space", "Left",   "Right",  "Up",     "Down",
                                      "Home",  "End",      "PageUp", "PageDown", "Insert", "Delete", "Backspace",
                                      "Escape", "Shift",   "Control", "Alt",  "LeftWin", "CapsLock", "F1",
                                      "F2",    "F3",       "F4",    "F5",     "F6",     "F7",     "F8",
                                      "F9",    "F10",      "F11",   "F12"};
  return names[static_cast<int>(key)];
}

void RecordingKeyboard::KeyDown(VirtualKey key, bool extended) {
  events.push_back({loop_.NowMs(), true, Name(key), extended});
  if (key == VirtualKey::CapsLock) capsLock = !capsLock;
  held.push_back(key);
}

void RecordingKeyboard::KeyUp(VirtualKey key, bool extended) {
  events.push_back({loop_.NowMs(), false, Name(key), extended});
  held.erase(std::remove(held.begin(), held.end(), key), held.end());
}

std::optional<CharacterKey> RecordingKeyboard::KeyForCharacter(char32_t c) {
  if (c >= 'a' && c <= 'z') return CharacterKey{static_cast<int>(c), false};
  if (c >= 'A' && c <= 'Z') return CharacterKey{static_cast<int>(c - 'A' + 'a'), true};
  if (c >= '0' && c <= '9') return CharacterKey{static_cast<int>(c), false};
  if (c == ' ') return CharacterKey{' ', false};
  const std::string shiftedFrom = kShiftedFrom;
  const std::string shiftedTo = kShiftedTo;
  if (c < 128) {
    const auto pos = shiftedFrom.find(static_cast<char>(c));
    if (pos != std::string::npos) return CharacterKey{shiftedTo[pos], true};
    if (shiftedTo.find(static_cast<char>(c)) != std::string::npos) return CharacterKey{static_cast<int>(c), false};
  }
  return std::nullopt;
}

void RecordingKeyboard::CharacterKeyDown(const CharacterKey& key) {
  events.push_back({loop_.NowMs(), true, std::string(1, static_cast<char>(key.keyCode))});
}

void RecordingKeyboard::CharacterKeyUp(const CharacterKey& key) {
  events.push_back({loop_.NowMs(), false, std::string(1, static_cast<char>(key.keyCode))});
}

bool RecordingKeyboard::IsKeyDown(VirtualKey key) {
  return std::find(held.begin(), held.end(), key) != held.end();
}

}  // namespace cvd::testing
