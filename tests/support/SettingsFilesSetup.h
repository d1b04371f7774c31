#pragma once
// The settings files of a program folder and a default data folder in a fresh
// temporary folder, two groups, and a data store that records its loads and saves.
#include <gtest/gtest.h>

#include <string>

#include "core/settings/IniFile.h"
#include "core/settings/SettingsFiles.h"
#include "support/FakeDataStore.h"
#include "support/ScriptedUi.h"
#include "support/TempDir.h"

namespace cvd::test {

class SettingsFilesSetup : public ::testing::Test {
 protected:
  SettingsFilesSetup() : files(settings, dirs, table, ui, ui, store) {
    dirs.ProgramDir = tmp.Sub("prog");
    dirs.DefaultDataDir = tmp.Sub("appdata");
    table.Groups.resize(3);
    table.MakeNewGroup(1, "One", dirs.ProgramDir);
    table.MakeNewGroup(2, "Two", dirs.ProgramDir);
  }

  static std::string IniValue(const std::string& path, const std::string& section, const std::string& key) {
    IniFile ini;
    ini.Load(path);
    return ini.ReadString(section, key, "<none>");
  }

  TempDir tmp;
  Settings settings;
  Directories dirs;
  GroupTable table;
  ScriptedUi ui;
  FakeDataStore store;
  SettingsFiles files;
};

}  // namespace cvd::test
