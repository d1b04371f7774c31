#pragma once
// The keyboard port through the compositor's virtual-keyboard protocol:
// keys go to the focused window, Wayland or XWayland alike. The keymap is
// our own (VirtualKeymap); modifiers are told with the protocol's
// modifiers request, as a real keyboard's state is.
#include <set>

#include "core/ports/Keyboard.h"
#include "platform/wayland/VirtualKeymap.h"

struct zwp_virtual_keyboard_v1;
struct xkb_context;
struct xkb_keymap;
struct xkb_state;

namespace cvd::wayland {

class WaylandConnection;

class WaylandKeyboard : public Keyboard {
 public:
  // Needs the connection's seat and virtual-keyboard manager (see Usable).
  explicit WaylandKeyboard(WaylandConnection& connection);
  ~WaylandKeyboard() override;
  static bool Usable(const WaylandConnection& connection);

  void SendKeyEvent(Key key, bool up) override;
  std::optional<KeyScan> KeyForCharacter(char32_t character) override;
  // Our own keyboard's Caps Lock: other keyboards' state is not told.
  bool CapsLockOn() override;
  // Keys our keyboard holds.
  bool IsKeyDown(NamedKey key) override;

 private:
  bool Upload();

  WaylandConnection& connection_;
  zwp_virtual_keyboard_v1* keyboard_ = nullptr;
  VirtualKeymap keymap_;
  int uploaded_ = 0;  // the keymap version the compositor has
  xkb_context* context_ = nullptr;
  xkb_keymap* xkbKeymap_ = nullptr;
  xkb_state* state_ = nullptr;
  std::set<std::uint32_t> held_;  // key codes
};

}  // namespace cvd::wayland
