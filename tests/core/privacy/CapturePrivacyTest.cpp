// Copies that are never kept: marked secret, made in a listed program, or
// made while the history is paused (virtual time).
#include <gtest/gtest.h>

#include "core/privacy/PrivacyRules.h"
#include "support/Harness.h"

namespace cvd {
namespace {

TEST(PrivacyRulesTest, ThePasswordManagersHintMarksASecret) {
  struct Case {
    const char* name;
    std::vector<std::string> types;
    std::optional<std::string> hint;  // what reading the hint gives
    bool secret;
  } cases[] = {
      {"plain text", {"TARGETS", "UTF8_STRING"}, "secret", false},
      {"hinted secret", {"UTF8_STRING", kPasswordManagerHint}, "secret", true},
      {"hint with a line end", {kPasswordManagerHint}, "secret\n", true},
      {"hint with another value", {kPasswordManagerHint}, "public", false},
      {"hint that cannot be read", {kPasswordManagerHint}, std::nullopt, true},
      {"a type that only resembles it", {"x-kde-passwordmanagerhint-other"}, "secret", false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    int reads = 0;
    const bool secret = MarkedSecret(c.types, [&](const std::string& type) {
      ++reads;
      EXPECT_EQ(type, kPasswordManagerHint);
      return c.hint;
    });
    EXPECT_EQ(secret, c.secret);
    // The hint is read only when offered: plain copies cost no round trip.
    EXPECT_EQ(reads, c.types.back() == kPasswordManagerHint || c.types.front() == kPasswordManagerHint ? 1 : 0);
  }
}

TEST(PrivacyRulesTest, TheProgramListIsEditedAsLines) {
  EXPECT_EQ(ProgramListOf(" KeePassXC \r\n\n\tBitwarden\nkeepassxc\n"),
            (std::vector<std::string>{"KeePassXC", "Bitwarden"}));
  EXPECT_EQ(ProgramListOf(ProgramListText({"a", "b"})), (std::vector<std::string>{"a", "b"}));
  std::string many;
  for (int i = 0; i < kMaxIgnoredPrograms + 5; ++i) many += "p" + std::to_string(i) + "\n";
  EXPECT_EQ(static_cast<int>(ProgramListOf(many).size()), kMaxIgnoredPrograms);
}

// A running program with a password manager's window (7) and a terminal (8).
struct Desktop {
  Desktop() {
    h.windows.windows[7] = test::FakeWindow{.title = "Vault", .exe = "keepassxc", .className = "KeePassXC"};
    h.windows.windows[7].instanceName = "keepassxc";
    h.windows.windows[8] = test::FakeWindow{.title = "shell", .exe = "xterm", .className = "XTerm"};
    h.Start();
  }
  test::Harness h;
};

TEST(CapturePrivacyTest, PrivateCopiesAreNeverReadNorKept) {
  struct Case {
    const char* name;
    std::function<void(test::Harness&)> arrange;
    bool kept;
  } cases[] = {
      {"a copy in another program", [](test::Harness& h) { h.windows.foreground = 8; }, true},
      {"a copy marked secret",
       [](test::Harness& h) {
         h.clipboard.types = {"UTF8_STRING", kPasswordManagerHint};
         h.clipboard.offered[kPasswordManagerHint] = "secret";
       },
       false},
      {"a copy in a listed program", [](test::Harness& h) { h.windows.foreground = 7; }, false},
      {"the instance part of the class matches, in any case",
       [](test::Harness& h) {
         h.windows.foreground = 7;
         h.windows.windows[7].className = "Other";
         h.windows.windows[7].instanceName = "KEEPASSXC";
       },
       false},
      {"the owner is a listed program",
       [](test::Harness& h) {
         h.clipboard.ownerClasses = {"bitwarden", "Bitwarden"};
       },
       false},
      {"the list emptied",
       [](test::Harness& h) {
         h.windows.foreground = 7;
         h.state.settings.Privacy.IgnoredPrograms.clear();
       },
       true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    Desktop fresh;
    test::Harness& h = fresh.h;
    c.arrange(h);
    const int readsBefore = h.clipboard.reads;
    h.clipboard.Copy("hunter2");
    h.loop.AdvanceBy(500);
    EXPECT_EQ(h.Clip(1), c.kept ? "hunter2" : "");
    // A secret's text is never even fetched from its owner.
    EXPECT_EQ(h.clipboard.reads > readsBefore, c.kept);
  }
}

TEST(CapturePrivacyTest, APauseStopsCapturesUntilItsMinutesPassOrItIsResumed) {
  struct Case {
    const char* name;
    int minutes;
    int waitMs;
    bool resumeByHand;
    bool kept;
  } cases[] = {
      {"within the pause", 5, 5 * 60000 - 200, false, false},
      {"after the pause", 5, 5 * 60000 + 200, false, true},
      {"no time limit, a day later", 0, 24 * 3600000, false, false},
      {"resumed by hand", 0, 1000, true, true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    Desktop fresh;
    test::Harness& h = fresh.h;
    h.state.settings.Privacy.PauseMinutes = c.minutes;
    ASSERT_TRUE(h.engine->Shortcuts().Do("Pause Clipboard History"));
    EXPECT_TRUE(h.engine->Privacy().Paused());
    h.clipboard.Copy("during");
    h.loop.AdvanceBy(c.waitMs - 100);
    if (c.resumeByHand) h.engine->Shortcuts().Do("pause clipboard history");
    EXPECT_EQ(h.Clip(1), "");
    h.clipboard.Copy("after");
    h.loop.AdvanceBy(100);
    EXPECT_EQ(h.engine->Privacy().Paused(), !c.kept);
    EXPECT_EQ(h.Clip(1), c.kept ? "after" : "");
    EXPECT_EQ(h.ui.pausedShown, c.kept ? (std::vector<bool>{true, false}) : std::vector<bool>{true});
  }
}

}  // namespace
}  // namespace cvd
