#pragma once
// The one place the views meet the engine: each view gets only what it shows.
#include "ui/ViewParts.h"

namespace cvd {
class Engine;
}

namespace cvd::ui {

ButtonWindowParts ButtonWindowPartsOf(Engine& engine);
TrayParts TrayPartsOf(Engine& engine);
SetupFormParts SetupFormPartsOf(Engine& engine);

}  // namespace cvd::ui
