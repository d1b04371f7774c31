// Typing through the desktop's remote desktop portal: the session asked for
// at the first key, its grant kept, and one notice for each refusal.
#include "core/paste/PortalKeyboard.h"

#include <gtest/gtest.h>

#include "core/paste/KeyMacroSender.h"
#include "support/FakeEventLoop.h"
#include "support/FakeRemoteDesktop.h"
#include "support/ScriptedUi.h"

namespace cvd {
namespace {

constexpr std::uint32_t kCtrl = 0xFFE3, kV = 'v';
using Sent = test::FakeRemoteDesktop::Sent;

struct Rig {
  test::FakeEventLoop loop;
  test::FakeRemoteDesktop desktop{loop};
  test::ScriptedUi ui;
  PortalKeyboard keyboard{desktop, loop, ui};
  KeyMacroSender macros{keyboard, loop};
  std::string token;
  int saves = 0;

  explicit Rig(std::string stored = {}) : token(std::move(stored)) {
    keyboard.SetTokenStore({.load = [this] { return token; },
                            .save =
                                [this](const std::string& t) {
                                  token = t;
                                  ++saves;
                                }});
  }
  // A paste keystroke at the current time: Ctrl+V, 10 ms between events.
  void Paste() { macros.SendPasteKeystroke(0); }
};

std::vector<std::uint32_t> Keysyms(const std::vector<Sent>& sent) {
  std::vector<std::uint32_t> keysyms;
  for (const Sent& s : sent) keysyms.push_back(s.keysym);
  return keysyms;
}

TEST(PortalKeyboardTest, KeysWaitForTheGrantAndGoOutInOrderWithTheirPauses) {
  Rig rig("kept");
  rig.Paste();
  ASSERT_EQ(rig.desktop.startTokens, std::vector<std::string>{"kept"});
  EXPECT_TRUE(rig.desktop.sent.empty());
  EXPECT_FALSE(rig.keyboard.IsKeyDown(NamedKey::Control));  // released by the keystroke
  rig.loop.AdvanceBy(500);                                  // the user reads the question
  rig.desktop.Answer(RemoteStartResult::Started, "next");
  const std::int64_t t = rig.desktop.sent.empty() ? 0 : rig.desktop.sent.front().atMs;
  EXPECT_EQ(rig.desktop.sent,
            (std::vector<Sent>{{kCtrl, true, t}, {kV, true, t + 10}, {kV, false, t + 20}, {kCtrl, false, t + 30}}));
  EXPECT_EQ(rig.token, "next");
  // Granted: the next paste goes straight out, with no new question.
  rig.loop.AdvanceBy(5000);
  rig.Paste();
  EXPECT_EQ(rig.desktop.startTokens.size(), 1u);
  EXPECT_EQ(rig.desktop.sent.size(), 8u);
  EXPECT_TRUE(rig.ui.balloons.empty());
}

TEST(PortalKeyboardTest, EachAnswerLeavesItsTokenNoticeAndKeys) {
  const struct {
    const char* name;
    std::string stored;
    std::vector<RemoteStartResult> answers;  // to the starts, in order
    std::vector<std::string> startTokens;
    std::string tokenAfter;
    const char* notice;  // nullptr: none
    std::size_t keysSent;
  } cases[] = {
      {"granted, no new token", "old", {RemoteStartResult::Started}, {"old"}, "", nullptr, 4},
      {"refused", "old", {RemoteStartResult::Refused}, {"old"}, "", kTypingRefusedText, 0},
      {"no portal", "", {RemoteStartResult::Failed}, {""}, "", kTypingFailedText, 0},
      {"old grant unknown, asked afresh",
       "old",
       {RemoteStartResult::Failed, RemoteStartResult::Started},
       {"old", ""},
       "",
       nullptr,
       4},
      {"old grant unknown, then refused",
       "old",
       {RemoteStartResult::Failed, RemoteStartResult::Refused},
       {"old", ""},
       "",
       kTypingRefusedText,
       0},
  };
  for (const auto& c : cases) {
    Rig rig(c.stored);
    rig.Paste();
    for (RemoteStartResult answer : c.answers) {
      ASSERT_TRUE(rig.desktop.Asking()) << c.name;
      rig.desktop.Answer(answer);
    }
    EXPECT_FALSE(rig.desktop.Asking()) << c.name;
    EXPECT_EQ(rig.desktop.startTokens, c.startTokens) << c.name;
    EXPECT_EQ(rig.token, c.tokenAfter) << c.name;
    EXPECT_EQ(rig.ui.balloons,
              c.notice ? std::vector<std::string>{std::string("Corvinade: ") + c.notice} : std::vector<std::string>{})
        << c.name;
    EXPECT_EQ(rig.desktop.sent.size(), c.keysSent) << c.name;
    EXPECT_FALSE(rig.keyboard.IsKeyDown(NamedKey::Control)) << c.name;
  }
}

TEST(PortalKeyboardTest, ARefusedPasteAsksNoMoreAndTheNextPasteAsksAgain) {
  Rig rig;
  rig.macros.SimulateKeyDown(NamedKey::Control);
  rig.desktop.Answer(RemoteStartResult::Refused);
  // The rest of the same paste: dropped, no second question.
  rig.macros.SimulateKeystroke(Key::OfLayout(kV));
  rig.macros.SimulateKeyUp(NamedKey::Control);
  rig.macros.SendString("{Delay 1000}x");
  EXPECT_EQ(rig.desktop.startTokens.size(), 1u);
  EXPECT_EQ(rig.ui.balloons.size(), 1u);
  // The user's next paste, a moment later.
  rig.loop.AdvanceBy(PortalKeyboard::kQuietMs);
  rig.Paste();
  ASSERT_EQ(rig.desktop.startTokens.size(), 2u);
  rig.desktop.Answer(RemoteStartResult::Started);
  EXPECT_EQ(Keysyms(rig.desktop.sent), (std::vector<std::uint32_t>{kCtrl, kV, kV, kCtrl}));
}

TEST(PortalKeyboardTest, ASessionTheDesktopEndsIsToldOnceAndAskedForAtTheNextPaste) {
  Rig rig;
  rig.Paste();
  rig.desktop.Answer(RemoteStartResult::Started, "grant");
  rig.loop.AdvanceBy(PortalKeyboard::kQuietMs);
  rig.desktop.Close();
  EXPECT_EQ(rig.ui.balloons, std::vector<std::string>{std::string("Corvinade: ") + kTypingEndedText});
  // The user's next paste, however soon.
  rig.loop.AdvanceBy(100);
  rig.Paste();
  EXPECT_EQ(rig.desktop.startTokens, (std::vector<std::string>{"", "grant"}));
  EXPECT_EQ(rig.desktop.sent.size(), 4u);  // only the first paste's keys so far
}

TEST(PortalKeyboardTest, KeysThatWaitedTooLongAreNotSent) {
  Rig rig;
  rig.Paste();
  rig.loop.AdvanceBy(PortalKeyboard::kStaleMs + 1);
  rig.desktop.Answer(RemoteStartResult::Started);
  EXPECT_TRUE(rig.desktop.sent.empty());
  EXPECT_FALSE(rig.keyboard.IsKeyDown(NamedKey::Control));
  rig.Paste();
  EXPECT_EQ(rig.desktop.sent.size(), 4u);
}

}  // namespace
}  // namespace cvd
