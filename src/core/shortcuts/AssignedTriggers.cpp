#include "core/shortcuts/AssignedTriggers.h"

namespace cvd {

void AssignedTriggers::Bound(const std::vector<Trigger>& triggers) {
  std::map<int, std::string> bound;
  for (const auto& [id, text] : triggers) {
    if (!text.empty()) bound[id] = text;
  }
  Replace(std::move(bound));
}

void AssignedTriggers::Changed(const std::vector<Trigger>& triggers) {
  std::map<int, std::string> changed = triggers_;
  for (const auto& [id, text] : triggers) {
    // An empty text is a trigger the user took away in the desktop's settings.
    if (text.empty()) {
      changed.erase(id);
    } else {
      changed[id] = text;
    }
  }
  Replace(std::move(changed));
}

void AssignedTriggers::Clear() { Replace({}); }

std::string AssignedTriggers::Of(int id) const {
  const auto found = triggers_.find(id);
  return found == triggers_.end() ? std::string() : found->second;
}

void AssignedTriggers::Replace(std::map<int, std::string> triggers) {
  if (triggers == triggers_) return;
  triggers_ = std::move(triggers);
  changed_();
}

}  // namespace cvd
