#pragma once
// What the program holds while it runs: its folders, the groups and
// buttons, and the options. The program's entry point owns it and hands it
// to the Engine, which wires the subsystems that work on it.
#include "core/app/PlatformPaths.h"
#include "core/data/GroupTable.h"
#include "core/settings/Directories.h"
#include "core/settings/Settings.h"

namespace cvd {

struct AppState {
  Directories dirs;
  GroupTable table;
  Settings settings;
  PlatformPaths platform;
};

}  // namespace cvd
