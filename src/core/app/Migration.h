#pragma once
// First start after an upgrade: older versions kept their files beside the program.
#include "core/settings/Directories.h"

namespace cvd {

class Messages;

// When `dirs.DataDir` (the default data folder) holds neither "corvinade.ini"
// nor "corvinade.dat" and the program folder holds both, copies both there
// and tells the user. True when it copied.
bool MigrateFromProgramDir(const Directories& dirs, Messages& ui);

}  // namespace cvd
