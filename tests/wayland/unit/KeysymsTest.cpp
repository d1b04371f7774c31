// The keysyms the portal keyboard sends, against libxkbcommon's own tables:
// the desktop looks each one up on the user's layout.
#include "core/paste/Keysyms.h"

#include <gtest/gtest.h>
#include <xkbcommon/xkbcommon.h>

#include "core/paste/UsLayout.h"

namespace cvd {
namespace {

TEST(KeysymsTest, EveryCharacterIsSentAsItsOwnKeysymAndEveryNamedKeyByItsName) {
  for (NamedKey key = NamedKey::Tab; key <= NamedKey::RightSuper;
       key = static_cast<NamedKey>(static_cast<int>(key) + 1))
    EXPECT_EQ(NamedKeysym(key), xkb_keysym_from_name(UsKeyName(key).c_str(), XKB_KEYSYM_NO_FLAGS)) << UsKeyName(key);
  std::vector<char32_t> characters = {'\b', 0x1B, 0x7F, 0x20AC, 0x1F600, 0x3B1};
  for (char32_t c = 0x20; c < 0x7F; ++c) characters.push_back(c);
  for (char32_t c = 0xA0; c <= 0xFF; ++c) characters.push_back(c);
  for (char32_t c : characters) {
    const auto scan = KeysymKeyForCharacter(c);
    ASSERT_TRUE(scan) << static_cast<int>(c);
    EXPECT_EQ(scan->shiftState, 0) << static_cast<int>(c);
    if (c < 0x20 || c == 0x7F) {
      EXPECT_EQ(KeysymOf(scan->key), xkb_utf32_to_keysym(c)) << static_cast<int>(c);
    } else {
      EXPECT_EQ(xkb_keysym_to_utf32(KeysymOf(scan->key)), c) << static_cast<int>(c);
    }
  }
  EXPECT_EQ(KeysymKeyForCharacter('\r')->key, Key(NamedKey::Return));
  EXPECT_EQ(KeysymKeyForCharacter('\n')->shiftState, ssCtrl);
  for (char32_t c : {0x00u, 0x1Fu, 0x80u, 0x9Fu, 0xD800u, 0x110000u})
    EXPECT_FALSE(KeysymKeyForCharacter(c)) << static_cast<int>(c);
}

}  // namespace
}  // namespace cvd
