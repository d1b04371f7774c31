#pragma once
// Synthesised keyboard input into whatever window has the focus.
#include <optional>

namespace cvd {

// Virtual-key codes of the named keys (0..255). Codes that KeyForCharacter
// returns for characters are the keyboard's own and lie above 255.
namespace vk {
constexpr int Tab = 0x09;
constexpr int Return = 0x0D;
constexpr int Shift = 0x10;
constexpr int Control = 0x11;
constexpr int Menu = 0x12;     // Alt
constexpr int Capital = 0x14;  // Caps Lock
constexpr int Escape = 0x1B;
constexpr int Space = 0x20;
constexpr int Prior = 0x21;  // Page Up
constexpr int Next = 0x22;   // Page Down
constexpr int End = 0x23;
constexpr int Home = 0x24;
constexpr int Left = 0x25;
constexpr int Up = 0x26;
constexpr int Right = 0x27;
constexpr int Down = 0x28;
constexpr int Insert = 0x2D;
constexpr int LWin = 0x5B;
constexpr int RWin = 0x5C;
// The left and right modifier keys, each on its own.
constexpr int LShift = 0xA0;
constexpr int RShift = 0xA1;
constexpr int LControl = 0xA2;
constexpr int RControl = 0xA3;
constexpr int LMenu = 0xA4;
constexpr int RMenu = 0xA5;
}  // namespace vk

// Modifier bits of KeyScan::shiftState.
enum ShiftStateBit : int { ssShift = 1, ssCtrl = 2, ssAlt = 4 };

// The key that types a character and the modifiers it needs.
struct KeyScan {
  int key = 0;
  int shiftState = 0;
};

class Keyboard {
 public:
  virtual ~Keyboard() = default;
  // One key event: a named virtual key or a key from KeyForCharacter.
  virtual void SendKeyEvent(int key, bool up, bool extended) = 0;
  // The key for a Unicode character on the current layout, or nothing when
  // the layout cannot type it.
  virtual std::optional<KeyScan> KeyForCharacter(char32_t character) = 0;
  // Caps Lock is on (toggled, key not being pressed).
  virtual bool CapsLockOn() = 0;
  // The named virtual key is held down right now.
  virtual bool IsKeyDown(int key) = 0;
};

}  // namespace cvd
