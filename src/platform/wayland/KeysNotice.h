#pragma once
// What a Wayland session's user is told about the shortcut keys: the
// compositor owns the keyboard, and the command that writes its bindings.
#include <string>

namespace cvd::wayland {

// `currentDesktop` is $XDG_CURRENT_DESKTOP (a colon-separated list): a
// compositor whose bindings corvinade-tool writes is named alone.
std::string KeysNotice(const std::string& currentDesktop);

}  // namespace cvd::wayland
