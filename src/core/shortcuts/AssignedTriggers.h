#pragma once
// The keys the desktop assigned to the shortcut functions, where the desktop
// and not the program holds them (the global shortcuts portal): the program
// only proposes a key, and the user may change it in the desktop's settings.
// The shortcut page shows what this holds.
#include <functional>
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "core/util/HandlerSlot.h"

namespace cvd {

class AssignedTriggers {
 public:
  // A hot-key id and the desktop's own text for its trigger ("Press Ctrl+Alt+V").
  using Trigger = std::pair<int, std::string>;

  // Set once at start-up when the keys go through the desktop.
  void SetDesktopDecides() { desktopDecides_ = true; }
  bool DesktopDecides() const { return desktopDecides_; }

  // The desktop's answer to a bind: exactly these functions have a trigger.
  void Bound(const std::vector<Trigger>& triggers);
  // The desktop changed the triggers of these functions; the others stay.
  void Changed(const std::vector<Trigger>& triggers);
  // The desktop bound nothing (a refusal, or no function has a key).
  void Clear();

  // The desktop's text for the function's trigger; empty when it assigned none.
  std::string Of(int id) const;
  const std::map<int, std::string>& All() const { return triggers_; }

  // Called when a trigger changes, until the subscription goes.
  [[nodiscard]] Subscription SubscribeToChanges(std::function<void()> changed) {
    return changed_.Subscribe(std::move(changed));
  }

 private:
  void Replace(std::map<int, std::string> triggers);

  bool desktopDecides_ = false;
  std::map<int, std::string> triggers_;  // by hot-key id; no empty texts
  HandlerSlot changed_;
};

}  // namespace cvd
