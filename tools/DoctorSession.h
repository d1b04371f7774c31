#pragma once
// What corvinade-tool doctor finds out about the session by itself and from
// the running program: no Qt, its own connections.
#include <string>

#include "core/doctor/Diagnosis.h"

namespace cvd::tool {

// What the compositor offers (nothing outside a Wayland session), whether
// the desktop's RemoteDesktop portal is there, and whether the compositor's
// configuration binds the tool.
void LookAtSession(SessionFacts& facts);

// The running program's state; false when it does not answer.
bool AskProgram(SessionFacts& facts);

// Copies a text nobody else would through the session's clipboard (a
// Wayland client's copy where data-control is offered, else an X11 one)
// and asks the running program whether it captured it.
void ProbeCapture(SessionFacts& facts);

}  // namespace cvd::tool
