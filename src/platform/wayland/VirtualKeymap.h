#pragma once
// The keymap our virtual keyboard types with. The compositor takes the
// keymap from the keyboard that sends, so it is ours to choose: a US
// layout (core/paste/UsLayout) with the named keys at their usual key
// codes, and every other character on a spare key of its own, added when
// first typed.
#include <cstdint>
#include <map>
#include <string>
#include <vector>

#include "core/ports/Keyboard.h"

namespace cvd::wayland {

class VirtualKeymap {
 public:
  VirtualKeymap();
  // The XKB key code (evdev code + 8) that types `key`; a character the
  // keymap lacks gets a spare key, which changes Text(). 0 when no key can.
  std::uint32_t KeycodeOf(Key key);
  // The keymap in XKB's text form.
  const std::string& Text() const { return text_; }
  // Bumped whenever Text() changes.
  int Version() const { return version_; }

 private:
  void Build();

  std::map<std::uint32_t, std::string> keys_;      // key code -> level names ("a A", "Return")
  std::map<std::uint32_t, std::uint32_t> spares_;  // code point -> key code
  std::vector<std::uint32_t> freeSpares_;
  std::string text_;
  int version_ = 0;
};

}  // namespace cvd::wayland
