#pragma once
// The atomic writer is a general file helper and lives in util; this name
// stays only until its last includer is switched.
#include "core/util/AtomicFile.h"
