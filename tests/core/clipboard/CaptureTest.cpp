// Clipboard capture in virtual time: the 25 ms delay, the lock-out, the gate
// and what a new clip does to the window.
#include <gtest/gtest.h>

#include <functional>

#include "support/Harness.h"

namespace cvd {
namespace {

class CaptureTest : public ::testing::Test {
 protected:
  CaptureTest() { h.Start(); }
  test::Harness h;
};

TEST_F(CaptureTest, ACopyIsTaken25msLater) {
  h.clipboard.Copy("hello");
  h.loop.AdvanceBy(24);
  EXPECT_EQ(h.Clip(1), "");
  h.loop.AdvanceBy(1);
  EXPECT_EQ(h.Clip(1), "hello");
  EXPECT_EQ(h.Group().Buttons[1].Name, "hello");
  const ClipboardCapture& capture = h.engine->Capture();
  EXPECT_EQ(capture.LastFilled(), 1);
  EXPECT_EQ(capture.LastFillGroup(), 1);
  EXPECT_EQ(capture.LastSeqNo(), h.clipboard.sequence);
  EXPECT_EQ(h.ui.layouts.back().buttons[0].caption, "hello");
}

TEST_F(CaptureTest, NotificationsWithinTheDelayAndTheLockOut) {
  struct Case {
    const char* name;
    int gap;  // ms between the two copies
    const char* clip1;
    const char* clip2;
  } cases[] = {
      // The delay is not restarted: one capture, of the later text.
      {"within the delay", 20, "second", ""},
      // Captured at 25 and shut until 75: the second copy is taken when the
      // gate closes.
      {"as the delay ends", 25, "second", "first"},
      {"within the lock-out", 30, "second", "first"},
      {"halfway through the lock-out", 50, "second", "first"},
      {"as the lock-out ends", 75, "second", "first"},
      {"after the lock-out", 80, "second", "first"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    test::Harness h;
    h.Start();
    h.clipboard.Copy("first");
    h.loop.AdvanceBy(c.gap);
    h.clipboard.Copy("second");
    h.loop.AdvanceBy(500);
    EXPECT_EQ(h.Clip(1), c.clip1);
    EXPECT_EQ(h.Clip(2), c.clip2);
    EXPECT_TRUE(h.engine->Capture().ClipboardSeen());
  }
}

TEST_F(CaptureTest, WhatTheGateRefusedIsTakenOnlyWhenItIsStillANewCopy) {
  struct Case {
    const char* name;
    std::function<void(test::Harness&)> duringGate;  // at 40 ms, the gate shut since 25
    std::vector<std::string> clips;
  } cases[] = {
      {"one change, one capture", [](test::Harness&) {}, {"first", ""}},
      {"notified again without a new copy",
       [](test::Harness& h) { h.clipboard.Copy(h.clipboard.content); },
       {"first", ""}},
      {"our own paste",
       [](test::Harness& h) {
         h.Group().Buttons.SetText(2, "pasted");
         h.engine->Paste().ClickButton(1, 2);
       },
       {"first", "pasted"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    test::Harness h;
    h.Start();
    h.Group().CopyDups = cdCopy;  // a second capture would show twice
    h.clipboard.Copy("first");
    h.loop.AdvanceBy(40);
    c.duringGate(h);
    h.loop.AdvanceBy(500);
    EXPECT_EQ(h.Clip(1), c.clips[0]);
    EXPECT_EQ(h.Clip(2), c.clips[1]);
  }
}

TEST(ClipboardCapture, TheStartUpLockOutDropsItsCopiesForGood) {
  test::FakeEventLoop loop;
  test::FakeClipboard clipboard;
  GroupTable table;
  SetNewNumClipButtons(table.Groups[table.AddGroup("G", "/x/")], 3);
  table.CurrentGroup = 1;
  ClipboardCapture capture(clipboard, loop, table,
                           CaptureHooks{.blocked = [] { return false; },
                                        .makeCaption = [](const std::string& text) { return text; },
                                        .captured = [](int, const std::string&) {},
                                        .filled = [](int, const std::string&, const FillResult&) {}});
  capture.JoinClipboard();
  capture.StartLockOut();
  loop.AdvanceBy(10);
  clipboard.Copy("at start");
  loop.AdvanceBy(500);
  EXPECT_EQ(table.Groups[1].Buttons.Text(1), "");
}

TEST_F(CaptureTest, GateConditions) {
  struct Case {
    const char* name;
    bool hidden, dontCopy;
    std::optional<std::string> content;
    bool taken;
  } cases[] = {
      {"plain", false, false, "x", true},
      {"no text", false, false, std::nullopt, false},
      {"hidden, copying allowed", true, false, "x", true},
      {"hidden, don't copy", true, true, "x", false},
      {"shown, don't copy", false, true, "x", true},
  };
  int serial = 0;
  h.state.settings.RestoreOnCopy = false;
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    h.ui.visible = !c.hidden;
    h.state.settings.DontCopy = c.dontCopy;
    const std::string before = h.Clip(1);
    h.clipboard.Copy(c.content ? std::optional<std::string>(*c.content + std::to_string(++serial)) : std::nullopt);
    h.loop.AdvanceBy(100);
    EXPECT_EQ(h.Clip(1) != before, c.taken);
  }
}

TEST_F(CaptureTest, NewClipRestoresTheHiddenWindowPlaysTheSoundAndResetsTheHint) {
  TGroup& g = h.Group();
  g.PlaySound = true;
  g.SoundFile = "/snd/copy.wav";
  h.ui.buttonUnderPointer = 2;
  h.loop.AdvanceBy(500);
  ASSERT_TRUE(h.ui.hintVisible);
  h.ui.visible = false;
  h.clipboard.Copy("x");
  h.loop.AdvanceBy(25);
  EXPECT_TRUE(h.ui.visible);
  EXPECT_FALSE(h.ui.hintVisible);
  EXPECT_EQ(h.engine->Window().Hint().HintButton, -1);
  EXPECT_EQ(h.shell.sounds, std::vector<std::string>{"/snd/copy.wav"});
  // A duplicate that changes nothing plays nothing.
  h.loop.AdvanceBy(100);
  h.clipboard.Copy("x");
  h.loop.AdvanceBy(25);
  EXPECT_EQ(h.shell.sounds.size(), 1u);
}

}  // namespace
}  // namespace cvd
