#pragma once
// Synthesised keyboard input into whatever window has the focus.
#include <cstdint>
#include <optional>

namespace cvd {

// The keys the program presses by name, the same on every platform.
enum class NamedKey : std::uint8_t {
  Tab,
  Return,
  Shift,
  Control,
  Alt,
  Super,
  CapsLock,
  Escape,
  Space,
  PageUp,
  PageDown,
  End,
  Home,
  Left,
  Up,
  Right,
  Down,
  Insert,
  // The left and right modifier keys, each on its own.
  LeftShift,
  RightShift,
  LeftControl,
  RightControl,
  LeftAlt,
  RightAlt,
  LeftSuper,
  RightSuper,
};

// A key to press: a named key, or a key that the keyboard's layout gave for
// a character. A layout key's code means something only to the keyboard
// that gave it.
class Key {
 public:
  constexpr Key(NamedKey named) : named_(named) {}  // NOLINT(google-explicit-constructor): a name is a key
  static constexpr Key OfLayout(std::uint32_t code) { return Key(code); }

  constexpr bool IsNamed() const { return !layout_; }
  constexpr NamedKey Named() const { return named_; }
  constexpr std::uint32_t LayoutCode() const { return code_; }
  constexpr bool operator==(const Key&) const = default;

 private:
  constexpr explicit Key(std::uint32_t code) : layout_(true), code_(code) {}
  NamedKey named_ = NamedKey::Tab;
  bool layout_ = false;
  std::uint32_t code_ = 0;
};

// Modifier bits of KeyScan::shiftState.
enum ShiftStateBit : int { ssShift = 1, ssCtrl = 2, ssAlt = 4 };

// The key that types a character and the modifiers it needs.
struct KeyScan {
  Key key = NamedKey::Space;
  int shiftState = 0;
};

class Keyboard {
 public:
  virtual ~Keyboard() = default;
  // One key event: a named key or a key from KeyForCharacter.
  virtual void SendKeyEvent(Key key, bool up) = 0;
  // The key for a Unicode character on the current layout, or nothing when
  // the layout cannot type it.
  virtual std::optional<KeyScan> KeyForCharacter(char32_t character) = 0;
  // Caps Lock is on (toggled, key not being pressed).
  virtual bool CapsLockOn() = 0;
  // The named key is held down right now.
  virtual bool IsKeyDown(NamedKey key) = 0;
};

}  // namespace cvd
