// The fixed US layout of dry runs and tests.
#include "core/paste/UsLayout.h"

#include <gtest/gtest.h>

#include "core/paste/DryRunKeyboard.h"
#include "support/FakeEventLoop.h"

namespace cvd {
namespace {

TEST(UsLayoutTest, CharactersAndTheirKeys) {
  const std::tuple<char32_t, const char*, int> cases[] = {
      {'a', "a", 0},           {'Z', "z", ssShift},      {'7', "7", 0},
      {'&', "7", ssShift},     {'~', "grave", ssShift},  {'"', "apostrophe", ssShift},
      {'?', "slash", ssShift}, {'_', "minus", ssShift},  {'|', "backslash", ssShift},
      {'=', "equal", 0},       {']', "bracketright", 0}, {' ', "space", 0},
      {'\r', "Return", 0},     {'\n', "Return", ssCtrl}, {'\b', "BackSpace", 0},
      {0x1B, "Escape", 0},     {0x7F, "Delete", 0},      {0xA0, "U00A0", 0},
      {0x1F600, "U1F600", 0},
  };
  for (const auto& [character, key, shiftState] : cases) {
    const auto scan = UsLayoutKey(character);
    ASSERT_TRUE(scan) << static_cast<int>(character);
    EXPECT_EQ(UsKeyName(scan->key), key) << static_cast<int>(character);
    EXPECT_EQ(scan->shiftState, shiftState) << static_cast<int>(character);
  }
  for (char32_t c = 0x20; c < 0x7F; ++c) EXPECT_TRUE(UsLayoutKey(c)) << static_cast<int>(c);
  for (char32_t c : {0x00u, 0x01u, 0x1Fu, 0x80u, 0x9Fu, 0xD800u, 0x110000u}) {
    EXPECT_FALSE(UsLayoutKey(c)) << static_cast<int>(c);
  }
}

TEST(UsLayoutTest, CapsLockTogglesOnAPressNotOnARelease) {
  test::FakeEventLoop loop;
  DryRunKeyboard keyboard(loop);
  keyboard.SendKeyEvent(NamedKey::CapsLock, false);
  EXPECT_TRUE(keyboard.CapsLockOn());
  EXPECT_TRUE(keyboard.IsKeyDown(NamedKey::CapsLock));
  keyboard.SendKeyEvent(NamedKey::CapsLock, true);
  EXPECT_TRUE(keyboard.CapsLockOn());
  EXPECT_FALSE(keyboard.IsKeyDown(NamedKey::CapsLock));
  keyboard.SendKeyEvent(NamedKey::CapsLock, false);
  keyboard.SendKeyEvent(NamedKey::CapsLock, true);
  EXPECT_FALSE(keyboard.CapsLockOn());
}

}  // namespace
}  // namespace cvd
