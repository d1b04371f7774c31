#include "platform/wayland/ToplevelList.h"

#include <algorithm>
#include <cctype>

namespace cvd::wayland {
namespace {

bool SameName(const std::string& a, const std::string& b) {
  return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](unsigned char x, unsigned char y) {
           return std::tolower(x) == std::tolower(y);
         });
}

}  // namespace

WindowId ToplevelList::Add() {
  const WindowId window = next_++;
  windows_[window];
  return window;
}

void ToplevelList::SetStates(WindowId window, const std::vector<std::uint32_t>& states) {
  Shown& pending = Find(window).pending;
  pending.activated = std::find(states.begin(), states.end(), kActivated) != states.end();
  pending.minimized = std::find(states.begin(), states.end(), kMinimized) != states.end();
}

void ToplevelList::Done(WindowId window) {
  auto found = windows_.find(window);
  if (found == windows_.end()) return;
  Entry& entry = found->second;
  entry.shown = entry.pending;
  if (entry.shown.activated) {
    active_ = window;
  } else if (active_ == window) {
    active_ = 0;
  }
}

void ToplevelList::Remove(WindowId window) {
  windows_.erase(window);
  if (active_ == window) active_ = 0;
}

const ToplevelList::Shown* ToplevelList::Get(WindowId window) const {
  auto found = windows_.find(window);
  return found == windows_.end() ? nullptr : &found->second.shown;
}

std::string ToplevelList::Title(WindowId window) const {
  const Shown* shown = Get(window);
  return shown ? shown->title : std::string();
}

std::string ToplevelList::AppId(WindowId window) const {
  const Shown* shown = Get(window);
  return shown ? shown->appId : std::string();
}

bool ToplevelList::IsMinimized(WindowId window) const {
  const Shown* shown = Get(window);
  return shown && shown->minimized;
}

bool ToplevelList::IsOurs(WindowId window) const {
  const Shown* shown = Get(window);
  if (!shown || shown->appId.empty()) return false;
  return std::any_of(ownAppIds_.begin(), ownAppIds_.end(),
                     [&](const std::string& own) { return SameName(own, shown->appId); });
}

}  // namespace cvd::wayland
