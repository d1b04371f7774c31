// The virtual keyboard's keymap: compiled as the compositor compiles it,
// every key types what the core's US layout says, and characters the
// layout lacks get spare keys.
#include "platform/wayland/VirtualKeymap.h"

#include <gtest/gtest.h>
#include <xkbcommon/xkbcommon.h>

#include <memory>
#include <set>

#include "core/paste/UsLayout.h"

namespace cvd::wayland {
namespace {

struct Compiled {
  explicit Compiled(const std::string& text)
      : context(xkb_context_new(XKB_CONTEXT_NO_FLAGS), xkb_context_unref),
        keymap(xkb_keymap_new_from_string(context.get(), text.c_str(), XKB_KEYMAP_FORMAT_TEXT_V1,
                                          XKB_KEYMAP_COMPILE_NO_FLAGS),
               xkb_keymap_unref),
        state(keymap ? xkb_state_new(keymap.get()) : nullptr, xkb_state_unref) {}
  // The character the key types with the modifiers of `shiftState` held.
  char32_t Type(std::uint32_t keycode, int shiftState) {
    if (shiftState & ssShift) xkb_state_update_key(state.get(), 50, XKB_KEY_DOWN);
    const char32_t typed = xkb_state_key_get_utf32(state.get(), keycode);
    if (shiftState & ssShift) xkb_state_update_key(state.get(), 50, XKB_KEY_UP);
    return typed;
  }
  std::unique_ptr<xkb_context, void (*)(xkb_context*)> context;
  std::unique_ptr<xkb_keymap, void (*)(xkb_keymap*)> keymap;
  std::unique_ptr<xkb_state, void (*)(xkb_state*)> state;
};

TEST(VirtualKeymapTest, EveryCharacterTypesItselfWithTheModifiersTheLayoutGivesIt) {
  VirtualKeymap keymap;
  const std::u32string characters = U"azAZ09!@#$%^&*()_+-=[]{}\\|;:'\",.<>/?`~ äü€😀«";
  for (char32_t c : characters) {
    const std::optional<KeyScan> scan = UsLayoutKey(c);
    ASSERT_TRUE(scan) << static_cast<unsigned>(c);
    const std::uint32_t keycode = keymap.KeycodeOf(scan->key);
    ASSERT_NE(keycode, 0u) << static_cast<unsigned>(c);
    Compiled compiled(keymap.Text());
    ASSERT_TRUE(compiled.keymap) << keymap.Text();
    EXPECT_EQ(compiled.Type(keycode, scan->shiftState), c) << static_cast<unsigned>(c);
  }
}

TEST(VirtualKeymapTest, ModifierKeysSetTheirModifiersAndNamedKeysTheirSymbols) {
  VirtualKeymap keymap;
  Compiled compiled(keymap.Text());
  ASSERT_TRUE(compiled.keymap);
  const struct {
    NamedKey key;
    const char* modifier;  // null: no modifier
    xkb_keysym_t keysym;
  } cases[] = {
      {NamedKey::Shift, XKB_MOD_NAME_SHIFT, XKB_KEY_Shift_L},
      {NamedKey::RightControl, XKB_MOD_NAME_CTRL, XKB_KEY_Control_R},
      {NamedKey::Alt, XKB_MOD_NAME_ALT, XKB_KEY_Alt_L},
      {NamedKey::RightSuper, XKB_MOD_NAME_LOGO, XKB_KEY_Super_R},
      {NamedKey::Insert, nullptr, XKB_KEY_Insert},
      {NamedKey::Return, nullptr, XKB_KEY_Return},
      {NamedKey::PageDown, nullptr, XKB_KEY_Next},
  };
  for (const auto& c : cases) {
    const std::uint32_t keycode = keymap.KeycodeOf(c.key);
    EXPECT_EQ(xkb_state_key_get_one_sym(compiled.state.get(), keycode), c.keysym) << keycode;
    xkb_state_update_key(compiled.state.get(), keycode, XKB_KEY_DOWN);
    const xkb_mod_mask_t held = xkb_state_serialize_mods(compiled.state.get(), XKB_STATE_MODS_DEPRESSED);
    const xkb_mod_mask_t expected = c.modifier ? 1u << xkb_keymap_mod_get_index(compiled.keymap.get(), c.modifier) : 0u;
    EXPECT_EQ(held, expected) << keycode;
    xkb_state_update_key(compiled.state.get(), keycode, XKB_KEY_UP);
  }
}

TEST(VirtualKeymapTest, SparesAreKeptAndStartOverWhenAllAreTaken) {
  VirtualKeymap keymap;
  const int before = keymap.Version();
  const std::uint32_t euro = keymap.KeycodeOf(UsLayoutKey(U'€')->key);
  EXPECT_EQ(keymap.Version(), before + 1);
  EXPECT_EQ(keymap.KeycodeOf(UsLayoutKey(U'€')->key), euro);  // the same key again
  EXPECT_EQ(keymap.Version(), before + 1);
  EXPECT_EQ(keymap.KeycodeOf(UsLayoutKey(U'a')->key), 38u);  // the layout's keys need no spare
  // More characters than spare keys: each still types itself when sent.
  for (char32_t c = 0x4E00; c < 0x4E00 + 300; ++c) {
    const std::uint32_t keycode = keymap.KeycodeOf(UsLayoutKey(c)->key);
    ASSERT_GE(keycode, 140u);
    ASSERT_LE(keycode, 255u);
    if (c % 7 == 0 || c >= 0x4E00 + 290) {  // compiling is slow: a sample, and the last ones
      Compiled compiled(keymap.Text());
      ASSERT_EQ(compiled.Type(keycode, 0), c) << static_cast<unsigned>(c);
    }
  }
}

}  // namespace
}  // namespace cvd::wayland
