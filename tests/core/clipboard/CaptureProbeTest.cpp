// The doctor's capture self-test: its text is seen, never kept, and the
// clipboard's text of before comes back without becoming a clip.
#include <gtest/gtest.h>

#include <functional>

#include "support/Harness.h"

namespace cvd {
namespace {

TEST(CaptureProbeTest, TheProbeIsSeenNeverKeptAndTheClipboardComesBack) {
  const std::string token = "corvinade-doctor-1-abc";
  struct Case {
    const char* name;
    std::optional<std::string> before;  // the clipboard's text when the test starts
    std::function<void(test::Harness&, CaptureProbe&)> run;
    bool seen;
    std::vector<std::string> writtenBack;
    std::vector<std::string> clips;  // the first buttons afterwards
  } cases[] = {
      {"seen", "before", [&](test::Harness& h, CaptureProbe&) { h.clipboard.Copy(token); }, true, {"before"}, {"", ""}},
      {"never copied: put back when it ends",
       "before",
       [&](test::Harness&, CaptureProbe& probe) { probe.End(token); },
       false,
       {"before"},
       {"", ""}},
      {"late, after it ended",
       "before",
       [&](test::Harness& h, CaptureProbe& probe) {
         probe.End(token);
         h.loop.AdvanceBy(500);
         h.clipboard.Copy(token);
       },
       false,
       {"before"},
       {"", ""}},
      {"no text before: nothing put back",
       std::nullopt,
       [&](test::Harness& h, CaptureProbe&) { h.clipboard.Copy(token); },
       true,
       {},
       {"", ""}},
      {"the user copies the put-back text later: a clip",
       "before",
       [&](test::Harness& h, CaptureProbe&) {
         h.clipboard.Copy(token);
         h.loop.AdvanceBy(500);
         h.clipboard.Copy("before");
       },
       true,
       {"before"},
       {"before", ""}},
      {"another copy first, then the probe",
       "before",
       [&](test::Harness& h, CaptureProbe&) {
         h.clipboard.Copy("mine");
         h.loop.AdvanceBy(500);
         h.clipboard.Copy(token);
       },
       true,
       {"mine"},
       {"mine", ""}},
      {"paused: never read",
       "before",
       [&](test::Harness& h, CaptureProbe&) {
         ASSERT_TRUE(h.engine->Shortcuts().Do("Pause Clipboard History"));
         h.clipboard.Copy(token);
       },
       false,
       {},
       {"", ""}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    test::Harness h;
    h.Start();
    h.clipboard.content = c.before;
    CaptureProbe& probe = h.engine->Probe();
    probe.Arm(token);
    c.run(h, probe);
    h.loop.AdvanceBy(500);
    EXPECT_EQ(probe.Seen(token), c.seen);
    EXPECT_FALSE(probe.Seen("another"));
    EXPECT_EQ(h.clipboard.written, c.writtenBack);
    EXPECT_EQ(h.Clip(1), c.clips[0]);
    EXPECT_EQ(h.Clip(2), c.clips[1]);
  }
}

}  // namespace
}  // namespace cvd
