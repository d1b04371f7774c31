// Copies that are never kept: marked secret, made in a listed program, or
// made while the history is paused (virtual time).
#include <gtest/gtest.h>

#include "core/privacy/PrivacyRules.h"
#include "support/Harness.h"

namespace cvd {
namespace {

TEST(PrivacyRulesTest, ThePasswordManagersHintMarksASecret) {
  const std::string hint = kPasswordManagerHint;
  struct Case {
    std::vector<std::string> types;
    std::optional<std::string> value;  // what reading the hint gives
    bool secret;
  } cases[] = {
      {{"TARGETS", "UTF8_STRING"}, "secret", false},
      {{"UTF8_STRING", hint}, "secret", true},
      {{hint}, "secret\n", true},
      {{hint}, "public", false},
      {{hint}, std::nullopt, true},  // a slow owner does not let a secret in
      {{hint + "-other"}, "secret", false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.types.back() + " " + c.value.value_or("(none)"));
    EXPECT_EQ(MarkedSecret(c.types, [&](const std::string& type) { return type == hint ? c.value : std::nullopt; }),
              c.secret);
  }
  EXPECT_EQ(ProgramListOf(" Vault \r\n\n\tkeys\nvault\n"), (std::vector<std::string>{"Vault", "keys"}));
}

// A running program beside a password manager's window (7) and a terminal (8).
struct Desktop {
  Desktop() {
    h.windows.windows[7] = test::FakeWindow{.className = "KeePassXC", .instanceName = "keepassxc"};
    h.windows.windows[8] = test::FakeWindow{.className = "XTerm", .instanceName = "xterm"};
    h.Start();
  }
  test::Harness h;
};

TEST(CapturePrivacyTest, PrivateCopiesAreNeverReadNorKept) {
  struct Case {
    const char* name;
    WindowId active;
    std::vector<std::string> types, owner, list;
    bool kept;
  } cases[] = {
      {"another program", 8, {}, {}, {"KeePassXC"}, true},
      {"marked secret", 8, {"UTF8_STRING", kPasswordManagerHint}, {}, {"KeePassXC"}, false},
      {"a listed program", 7, {}, {}, {"KeePassXC"}, false},
      {"the instance name, in any case", 7, {}, {}, {"KEEPASSXC"}, false},
      {"a listed owner", 8, {}, {"bitwarden", "Bitwarden"}, {"Bitwarden"}, false},
      {"an empty list", 7, {}, {}, {}, true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    Desktop d;
    test::Harness& h = d.h;
    h.windows.foreground = c.active;
    h.clipboard.types = c.types;
    h.clipboard.offered[kPasswordManagerHint] = "secret";
    h.clipboard.ownerClasses = c.owner;
    h.state.settings.Privacy.IgnoredPrograms = c.list;
    const int reads = h.clipboard.reads;
    h.clipboard.Copy("hunter2");
    h.loop.AdvanceBy(500);
    EXPECT_EQ(h.Clip(1), c.kept ? "hunter2" : "");
    EXPECT_EQ(h.clipboard.reads > reads, c.kept);  // a secret is never even fetched
  }
}

TEST(CapturePrivacyTest, APauseStopsCapturesUntilItsMinutesPassOrItIsResumed) {
  struct Case {
    const char* name;
    int minutes, waitMs;
    bool resumeByHand, kept;
  } cases[] = {
      {"within the pause", 5, 5 * 60000 - 200, false, false},
      {"after the pause", 5, 5 * 60000 + 200, false, true},
      {"no time limit, a day later", 0, 24 * 3600000, false, false},
      {"resumed by hand", 0, 1000, true, true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    Desktop d;
    test::Harness& h = d.h;
    h.state.settings.Privacy.PauseMinutes = c.minutes;
    ASSERT_TRUE(h.engine->Shortcuts().Do("Pause Clipboard History"));
    h.clipboard.Copy("during");
    h.loop.AdvanceBy(c.waitMs - 100);
    if (c.resumeByHand) h.engine->Shortcuts().Do("pause clipboard history");
    EXPECT_EQ(h.Clip(1), "");
    h.clipboard.Copy("after");
    h.loop.AdvanceBy(100);
    EXPECT_EQ(h.Clip(1), c.kept ? "after" : "");
    EXPECT_EQ(h.ui.pausedShown, c.kept ? (std::vector<bool>{true, false}) : std::vector<bool>{true});
  }
}

}  // namespace
}  // namespace cvd
