#pragma once
// The keyboard of the tests: the dry-run keyboard on the fixed US layout,
// which records every key event with its virtual time.
#include "core/paste/DryRunKeyboard.h"

namespace cvd::test {

using KeyEvent = DryRunKeyEvent;
using RecordingKeyboard = DryRunKeyboard;

}  // namespace cvd::test
