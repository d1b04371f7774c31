#include "core/settings/IniDamage.h"

#include <gtest/gtest.h>

#include <string>

namespace cvd {
namespace {

using namespace std::string_literals;

// What a person may write by hand reads; what no writer makes is damage.
TEST(IniDamage, HandEditsReadAndForeignBytesAreDamage) {
  const std::pair<std::string, bool> cases[] = {
      {"", false},
      {"[Windows]\r\nMainTop=5\r\n", false},
      {"\xEF\xBB\xBF; mine\n# also mine\n\n[Mine]\nunknown = x\n[Fade]\r\nFadeTime=\"caf\xC3\xA9 \"\n", false},
      {"  [Windows]  \r\n  MainTop = 5  \r\n", false},
      {"garbage\r\n[Windows]\r\nMainTop=5\r\n", true},
      {"Main=1\r\n[Windows]\r\n", true},  // a key in front of the first section
      {"[Windows\r\nMainTop=5\r\n", true},
      {"[Windows]\r\nMainTop=5\x01\r\n", true},
      {"[Windows]\r\nMainTop=5\0\r\n"s, true},
      {"[Windows]\r\nName=caf\xE9\r\n", true},  // not UTF-8
      {"[Windows]\r\nName=" + std::string(kMaxIniLineBytes, 'x') + "\r\n", true},
  };
  for (const auto& [text, damaged] : cases) EXPECT_EQ(IniTextDamage(text).has_value(), damaged) << text.substr(0, 60);
}

}  // namespace
}  // namespace cvd
