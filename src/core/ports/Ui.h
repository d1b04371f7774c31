#pragma once
// The whole user interface the core talks to, one view per port; the Qt
// layer implements all of them in one object. Subsystems take only the
// views they use.
#include "core/ports/ButtonWindowView.h"
#include "core/ports/ColorDialogView.h"
#include "core/ports/HintView.h"
#include "core/ports/Messages.h"
#include "core/ports/TrayView.h"

namespace cvd {

class Ui : public Messages, public ButtonWindowView, public HintView, public TrayView, public ColorDialogView {};

}  // namespace cvd
