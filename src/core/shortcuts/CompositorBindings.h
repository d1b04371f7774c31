#pragma once
// On Wayland a program cannot take keys for itself: the compositor binds
// them. This writes the user's shortcut keys as a compositor's key bindings
// that run `corvinade-tool do "NAME"`.
#include <optional>
#include <string>
#include <vector>

#include "core/settings/Settings.h"

namespace cvd {

enum class Compositor { Sway, Hyprland, Labwc, River };

// "sway", "hyprland", "labwc", "river"; nothing for any other name.
std::optional<Compositor> CompositorOfName(const std::string& name);
// The names CompositorOfName knows, for a usage line.
const char* CompositorNames();

// A shortcut function with its stored key value.
struct BoundFunction {
  std::string name;
  int keyValue;
};

// The functions that have a key in `settings`: the fixed rows, then the
// quick fixes, each under the name `corvinade-tool do` knows it by.
std::vector<BoundFunction> BoundFunctions(const Settings& settings);

// The configuration lines that bind each function's key to `tool do NAME`,
// in the compositor's syntax, with a comment line first.
std::string CompositorBindings(Compositor compositor, const std::vector<BoundFunction>& functions,
                               const std::string& tool);

}  // namespace cvd
