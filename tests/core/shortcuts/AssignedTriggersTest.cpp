// The triggers the desktop assigned: its answer to a bind replaces them, its
// later changes touch only the functions they name, and a refusal clears them.
#include "core/shortcuts/AssignedTriggers.h"

#include <gtest/gtest.h>

#include <functional>

namespace cvd {
namespace {

using Triggers = std::vector<AssignedTriggers::Trigger>;

TEST(AssignedTriggersTest, TheDesktopsAnswersDecideEachFunctionsTrigger) {
  const Triggers bound = {{1, "Ctrl+Alt+V"}, {2, "Ctrl+Alt+S"}};
  const struct {
    const char* rule;
    std::function<void(AssignedTriggers&)> then;
    Triggers expected;  // ids 1..3 with their texts ("" = none)
    int notices;
  } cases[] = {
      {"a bind names exactly the bound functions",
       [](AssignedTriggers& t) {
         t.Bound({{3, "F3"}});
       },
       {{1, ""}, {2, ""}, {3, "F3"}},
       1},
      {"an empty text in a bind is no trigger",
       [](AssignedTriggers& t) {
         t.Bound({{1, ""}, {2, "Ctrl+Alt+S"}});
       },
       {{1, ""}, {2, "Ctrl+Alt+S"}, {3, ""}},
       1},
      {"a change touches only what it names",
       [](AssignedTriggers& t) {
         t.Changed({{2, "Super+S"}, {3, "F3"}});
       },
       {{1, "Ctrl+Alt+V"}, {2, "Super+S"}, {3, "F3"}},
       1},
      {"a change to no trigger takes it away",
       [](AssignedTriggers& t) {
         t.Changed({{1, ""}});
       },
       {{1, ""}, {2, "Ctrl+Alt+S"}, {3, ""}},
       1},
      {"a refusal clears all", [](AssignedTriggers& t) { t.Clear(); }, {{1, ""}, {2, ""}, {3, ""}}, 1},
      {"the same answer again is no change",
       [&](AssignedTriggers& t) { t.Bound(bound); },
       {{1, "Ctrl+Alt+V"}, {2, "Ctrl+Alt+S"}, {3, ""}},
       0},
  };
  for (const auto& c : cases) {
    AssignedTriggers triggers;
    triggers.Bound(bound);
    int notices = 0;
    const Subscription subscription = triggers.SubscribeToChanges([&] { ++notices; });
    c.then(triggers);
    for (const auto& [id, text] : c.expected) EXPECT_EQ(triggers.Of(id), text) << c.rule << ", id " << id;
    EXPECT_EQ(notices, c.notices) << c.rule;
  }
}

}  // namespace
}  // namespace cvd
