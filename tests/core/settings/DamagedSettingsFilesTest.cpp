#include <gtest/gtest.h>

#include <filesystem>
#include <random>

#include "core/settings/IniDamage.h"
#include "core/settings/SettingsFiles.h"
#include "core/util/AtomicFile.h"
#include "support/SettingsFilesSetup.h"

namespace cvd {
namespace {

using test::ReadTextFile;
using test::WriteTextFile;

// Bytes as random as a damaged disk gives them.
std::string RandomBytes(std::size_t size) {
  std::mt19937 random(7);
  std::string bytes(size, '\0');
  for (char& c : bytes) c = static_cast<char>(random());
  return bytes;
}

// A file whose reading fails as a disk error would make it; nothing when
// "unreadable" is written.
constexpr const char* kUnreadable = "unreadable";

class DamagedSettingsTest : public test::SettingsFilesSetup {
 protected:
  DamagedSettingsTest() {
    files.SetFileReader([](const std::string& path, std::string& bytes, std::string* error, bool* missing) {
      const bool read = ReadWholeFile(path, bytes, error, missing);
      if (read && bytes == kUnreadable) {
        if (error) *error = "Input/output error";
        return false;
      }
      return read;
    });
  }
  // Writes `bytes` as the file, loads, and returns the one message (or "").
  std::string LoadWith(const std::string& path, const std::string& bytes) {
    std::filesystem::remove(path + ".damaged");
    WriteTextFile(path, bytes);
    ui.messages.clear();
    files.LoadSettings();
    EXPECT_LE(ui.messages.size(), 1u);
    return ui.messages.empty() ? "" : ui.messages[0].text;
  }
};

TEST_F(DamagedSettingsTest, ADamagedSettingsFileIsKeptAsideToldAndWrittenClean) {
  const std::string path = dirs.DefaultDataDir + "corvinade.ini";
  WriteTextFile(dirs.DefaultDataDir + "corvinade.dat", "data\r\n");
  const std::pair<std::string, bool> cases[] = {
      {"; by hand\r\n[Mine]\r\nKeep=yes\r\n[Windows]\r\nMainTop=321\r\n", false},
      {RandomBytes(2048), true},
      {"garbage\r\n[Windows]\r\nMainTop=321\r\n", true},
      {"[Windows]\r\nMainTop=321\r\nShowOnStart=yes\r\n", true},
      {kUnreadable, true},
  };
  for (const auto& [bytes, damaged] : cases) {
    SCOPED_TRACE(bytes.substr(0, 40));
    const std::string message = LoadWith(path, bytes);
    ASSERT_EQ(std::filesystem::exists(path + ".damaged"), damaged);
    EXPECT_EQ(message.find(path + ".damaged") != std::string::npos, damaged);
    if (damaged) EXPECT_EQ(ReadTextFile(path + ".damaged"), bytes);
    // What could be read is used.
    if (bytes.find("MainTop=321") != std::string::npos) EXPECT_EQ(settings.MainTop, 321);
    settings.MainTop = 222;
    ASSERT_TRUE(files.SaveSettings());
    const std::string written = ReadTextFile(path);
    EXPECT_FALSE(IniTextDamage(written).has_value()) << written;
    EXPECT_EQ(IniValue(path, "Windows", "MainTop"), "222");
    EXPECT_EQ(IniValue(path, "Mine", "Keep"), damaged ? "<none>" : "yes");
    if (damaged) EXPECT_EQ(ReadTextFile(path + ".damaged"), bytes);
    ui.messages.clear();
    files.LoadSettings();  // told once: the clean file reads
    EXPECT_TRUE(ui.messages.empty());
  }
}

TEST_F(DamagedSettingsTest, ANetworkFileNamingNoFolderIsToldAndLeftUntilTheFolderIsChosen) {
  const std::string path = dirs.DefaultDataDir + "Network.ini";
  const std::string data = tmp.Sub("data");
  const std::string folder = "[Directories]\r\nDataDir=" + data + "\r\n";
  struct Case {
    std::string bytes;
    bool damaged;
    std::string dataDir;  // the folder in use
  };
  const Case cases[] = {
      {folder + "[Share]\r\nEnabled=1\r\n; mine\r\n", false, data},
      {"[Share]\r\nEnabled=1\r\n", false, dirs.DefaultDataDir},  // made by hand
      {"garbage\r\n" + folder, true, data},                      // the folder still reads
      {"", true, dirs.DefaultDataDir},
      {RandomBytes(2048), true, dirs.DefaultDataDir},
      {"[Directorles]\r\nDataDir=" + data + "\r\n", true, dirs.DefaultDataDir},
      {"[Directories]\r\nDataDjr=" + data + "\r\n", true, dirs.DefaultDataDir},
      {"[Directories]\r\nDataDir=" + std::string(100000, 'x') + "\r\n", true, dirs.DefaultDataDir},
      {kUnreadable, true, dirs.DefaultDataDir},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.bytes.substr(0, 40));
    const std::string message = LoadWith(path, c.bytes);
    EXPECT_EQ(dirs.DataDir, c.dataDir);
    EXPECT_EQ(std::filesystem::exists(path + ".damaged"), c.damaged);
    EXPECT_EQ(message.find(path + ".damaged") != std::string::npos, c.damaged);
    if (!c.damaged) continue;
    EXPECT_NE(message.find(c.dataDir), std::string::npos);
    ASSERT_TRUE(files.SaveSettings());
    if (c.dataDir == data) {
      EXPECT_EQ(ReadTextFile(path).find("garbage"), std::string::npos);  // written clean
      continue;
    }
    EXPECT_EQ(ReadTextFile(path), c.bytes);  // never rewritten with a folder it did not name
    dirs.DataDir = data;                     // the user chooses a folder
    ASSERT_TRUE(files.SaveNetworkSettings());
    EXPECT_EQ(IniValue(path, "Directories", "DataDir"), data);
  }
}

}  // namespace
}  // namespace cvd
