#include "core/settings/SettingsJson.h"

#include <gtest/gtest.h>

namespace cvd {
namespace {

TEST(SettingsJsonTest, TheSnapshotUsesTheFilesSectionsKeysAndValueForms) {
  Settings s = DefaultSettings();
  s.MainTop = 250;
  s.ShowOnStart = false;
  s.QuickFixHotKeys[0] = 577;
  s.Delimiters[0].Value = "\xFF bad byte";
  s.ShareClipboard = true;
  Directories dirs{"/prog/", "/data/", "/app/", "/share/", "/ex/", "/im/"};
  const auto json = SettingsJson(s, dirs);
  const auto& ini = json.at("corvinade.ini");
  EXPECT_EQ(ini.at("Windows").at("MainTop"), 250);
  EXPECT_EQ(ini.at("Windows").at("ShowOnStart"), false);
  EXPECT_EQ(ini.at("Backup").at("BackupTime"), "12:00:00");
  EXPECT_EQ(ini.at("Colors").at("ButtonColor"), "clBtnFace");
  EXPECT_EQ(ini.at("HotKeys").at("Change to Uppercase"), 577);
  EXPECT_EQ(ini.at("Delimiters").at("Value0"), "\xEF\xBF\xBD bad byte");
  EXPECT_EQ(json.at("Network.ini").at("Directories").at("DataDir"), "/data/");
  EXPECT_EQ(json.at("Network.ini").at("Share").at("Enabled"), true);
  EXPECT_NO_THROW(json.dump());
  EXPECT_EQ(DirectoriesJson(dirs).at("ShareDir"), "/share/");
}

}  // namespace
}  // namespace cvd
