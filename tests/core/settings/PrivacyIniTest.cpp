#include "core/settings/PrivacyIni.h"

#include <gtest/gtest.h>

namespace cvd {
namespace {

PrivacySettings Read(const std::string& text) {
  IniFile ini;
  ini.LoadFromText(text);
  PrivacySettings privacy;
  ReadPrivacySettings(ini, privacy);
  return privacy;
}

TEST(PrivacyIniTest, ReadsTheListAndPauseOrKeepsTheDefaults) {
  const PrivacySettings defaults;
  EXPECT_EQ(Read("[Clipboard]\r\nAdvWinTrack=1\r\n"), defaults);
  EXPECT_EQ(Read("[Privacy]\r\nPauseMinutes=30\r\n").IgnoredPrograms, defaults.IgnoredPrograms);
  EXPECT_EQ(Read("[privacy]\r\nPauseMinutes=0\r\n").PauseMinutes, 0);
  EXPECT_EQ(Read("[Privacy]\r\nPauseMinutes=-3\r\n").PauseMinutes, 0);
  EXPECT_EQ(Read("[Privacy]\r\nPauseMinutes=99999999\r\n").PauseMinutes, kMaxPauseMinutes);
  EXPECT_EQ(Read("[Privacy]\r\nNumProgram=3\r\nProgram1=Vault\r\nProgram2=\r\nProgram3=keys\r\n").IgnoredPrograms,
            (std::vector<std::string>{"Vault", "keys"}));
  EXPECT_TRUE(Read("[Privacy]\r\nNumProgram=0\r\nProgram1=KeePassXC\r\n").IgnoredPrograms.empty());
}

}  // namespace
}  // namespace cvd
