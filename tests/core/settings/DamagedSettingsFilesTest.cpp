#include <gtest/gtest.h>

#include <filesystem>
#include <random>
#include <tuple>

#include "core/settings/IniDamage.h"
#include "core/util/AtomicFile.h"
#include "support/SettingsFilesSetup.h"

namespace cvd {
namespace {

using test::ReadTextFile;

std::string RandomBytes() {
  std::mt19937 random(7);
  std::string bytes(2048, '\0');
  for (char& c : bytes) c = static_cast<char>(random());
  return bytes;
}

// A file holding this reads as a disk error would make it.
constexpr const char* kUnreadable = "unreadable";

class DamagedSettingsTest : public test::SettingsFilesSetup {
 protected:
  DamagedSettingsTest() {
    files.SetFileReader([](const std::string& path, std::string& bytes, std::string* error, bool* missing) {
      const bool read = ReadWholeFile(path, bytes, error, missing);
      if (read && bytes == kUnreadable && error) *error = "Input/output error";
      return read && bytes != kUnreadable;
    });
  }
  // Loads with `bytes` as the file; the message shown ("" for none).
  std::string LoadWith(const std::string& path, const std::string& bytes) {
    std::filesystem::remove(path + ".damaged");
    test::WriteTextFile(path, bytes);
    ui.messages.clear();
    files.LoadSettings();
    EXPECT_LE(ui.messages.size(), 1u);
    return ui.messages.empty() ? "" : ui.messages[0].text;
  }
};

TEST_F(DamagedSettingsTest, ADamagedSettingsFileIsKeptAsideToldAndWrittenClean) {
  const std::string path = dirs.DefaultDataDir + "corvinade.ini";
  const std::pair<std::string, bool> cases[] = {
      {"\xEF\xBB\xBF; by hand\r\n[Mine]\r\n Keep = yes \r\n[Windows]\r\nMainTop=321\r\n", false},
      {RandomBytes(), true},
      {"garbage\r\n[Windows]\r\nMainTop=321\r\n", true},
      {"[Windows]\r\nMainTop=321\r\nShowOnStart=yes\r\n", true},
      {"[Windows]\r\nMainTop=321\r\n[Fade]\r\nFadeTime=caf\xE9\r\n", true},
      {kUnreadable, true},
  };
  for (const auto& [bytes, damaged] : cases) {
    SCOPED_TRACE(bytes.substr(0, 40));
    const std::string message = LoadWith(path, bytes);
    EXPECT_EQ(message.find(path + ".damaged") != std::string::npos, damaged);
    if (bytes.find("MainTop=321") != std::string::npos) {
      EXPECT_EQ(settings.MainTop, 321);
    }
    settings.MainTop = 222;
    ASSERT_TRUE(files.SaveSettings());
    EXPECT_FALSE(IniTextDamage(ReadTextFile(path)).has_value());
    EXPECT_EQ(IniValue(path, "Windows", "MainTop"), "222");
    EXPECT_EQ(IniValue(path, "Mine", "Keep"), damaged ? "<none>" : "yes");
    EXPECT_EQ(ReadTextFile(path + ".damaged"), damaged ? bytes : "<missing>");
    ui.messages.clear();
    files.LoadSettings();  // told once
    EXPECT_TRUE(ui.messages.empty());
  }
}

TEST_F(DamagedSettingsTest, ANetworkFileNamingNoFolderIsToldAndLeftUntilTheFolderIsChosen) {
  const std::string path = dirs.DefaultDataDir + "Network.ini";
  const std::string data = tmp.Sub("data");
  const std::string named = "[Directories]\r\nDataDir=" + data + "\r\n";
  const std::string& fallback = dirs.DefaultDataDir;
  const std::tuple<std::string, bool, std::string> cases[] = {
      {named + "[Share]\r\nEnabled=1\r\n; mine\r\n", false, data},
      {"[Share]\r\nEnabled=1\r\n", false, fallback},  // made by hand
      {"garbage\r\n" + named, true, data},            // the folder still reads
      {"", true, fallback},
      {RandomBytes(), true, fallback},
      {"[Directorles]\r\nDataDir=" + data + "\r\n", true, fallback},
      {"[Directories]\r\nDataDjr=" + data + "\r\n", true, fallback},
      {"[Directories]\r\nDataDir=" + std::string(100000, 'x') + "\r\n", true, fallback},
      {kUnreadable, true, fallback},
  };
  for (const auto& [bytes, damaged, dataDir] : cases) {
    SCOPED_TRACE(bytes.substr(0, 40));
    const std::string message = LoadWith(path, bytes);
    EXPECT_EQ(dirs.DataDir, dataDir);
    EXPECT_EQ(message.find(path + ".damaged") != std::string::npos, damaged);
    EXPECT_EQ(damaged, message.find(dataDir) != std::string::npos);
    ASSERT_TRUE(files.SaveSettings());
    const bool held = damaged && dataDir == fallback;
    EXPECT_EQ(ReadTextFile(path) == bytes, held);  // rewritten only when it named the folder
    if (!held) continue;
    dirs.DataDir = data;  // the user chooses a folder
    ASSERT_TRUE(files.SaveNetworkSettings());
    EXPECT_EQ(IniValue(path, "Directories", "DataDir"), data);
  }
}

}  // namespace
}  // namespace cvd
