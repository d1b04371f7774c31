// corvinade-tool keys COMPOSITOR: the user's shortcut keys as a Wayland
// compositor's key bindings, read from the settings file.
#include <unistd.h>

#include <iostream>

#include "core/settings/AppDataFolder.h"
#include "core/settings/IniFile.h"
#include "core/settings/MainSettingsIni.h"
#include "core/shortcuts/CompositorBindings.h"
#include "tools/Commands.h"

namespace cvd::tool {
namespace {

// This program's own path, so the bindings run it wherever it lies.
std::string OwnPath() {
  char path[4096];
  const ssize_t length = readlink("/proc/self/exe", path, sizeof path - 1);
  return length > 0 ? std::string(path, static_cast<std::size_t>(length)) : std::string("corvinade-tool");
}

}  // namespace

int KeysCommand(const std::vector<std::string>& args) {
  const std::optional<Compositor> compositor = args.size() == 1 ? CompositorOfName(args[0]) : std::nullopt;
  if (!compositor) {
    std::cerr << "usage: corvinade-tool keys " << CompositorNames() << "\n";
    return 2;
  }
  const std::string dataDir = GetAppDataFolderPath();
  IniFile ini;
  // No settings file yet: the default keys.
  ini.Load(dataDir + kSettingsFileName);
  Settings settings;
  ReadMainSettings(ini, settings, ScreenGeometry{}, dataDir);
  const std::vector<BoundFunction> functions = BoundFunctions(settings);
  std::cout << CompositorBindings(*compositor, functions, OwnPath());
  if (!settings.HotKeysEnabled)
    std::cerr << "corvinade-tool: the shortcut keys are turned off in Corvinade's settings\n";
  if (functions.empty()) std::cerr << "corvinade-tool: no shortcut function has a key\n";
  return 0;
}

}  // namespace cvd::tool
