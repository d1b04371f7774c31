// The capture timing and gate, in virtual time.
#include <gtest/gtest.h>

#include "core/app/Engine.h"
#include "support/FakeClipboard.h"
#include "support/FakeEventLoop.h"
#include "support/FakeShell.h"
#include "support/FakeTextMeasure.h"
#include "support/ScriptedUi.h"

namespace cvd {
namespace {

class CaptureTest : public ::testing::Test {
 protected:
  CaptureTest() : engine(MakePorts(), Directories{"/nonexistent/", "/tmp/"}) {
    engine.FormCreate();
    loop.AdvanceBy(100);  // past the start-up lock-out
  }
  Ports MakePorts() {
    Ports p;
    p.loop = &loop;
    p.ui = &ui;
    p.measure = &measure;
    p.clipboard = &clipboard;
    p.shell = &shell;
    return p;
  }
  std::string Clip(int b) { return engine.Table().Current().Buttons[b].Text; }

  testing::FakeEventLoop loop;
  testing::ScriptedUi ui;
  testing::FakeTextMeasure measure;
  testing::FakeClipboard clipboard;
  testing::FakeShell shell;
  Engine engine;
};

TEST_F(CaptureTest, ACopyIsTaken25msLater) {
  clipboard.Copy("hello");
  loop.AdvanceBy(24);
  EXPECT_EQ(Clip(1), "");
  loop.AdvanceBy(1);
  EXPECT_EQ(Clip(1), "hello");
  EXPECT_EQ(engine.Table().Current().Buttons[1].Name, "hello");
  EXPECT_EQ(engine.LastFilled(), 1);
  EXPECT_EQ(engine.LastFillGroup(), 1);
  EXPECT_TRUE(engine.ClipboardSeen());
  EXPECT_EQ(engine.LastSeqNo(), clipboard.sequence);
  EXPECT_EQ(ui.layouts.back().buttons[0].caption, "hello");
}

TEST_F(CaptureTest, TwoCopiesWithin20msGiveOneCaptureOfTheLater) {
  clipboard.Copy("first");
  loop.AdvanceBy(20);
  clipboard.Copy("second");
  loop.AdvanceBy(5);  // 25 ms after the first notification, not restarted
  EXPECT_EQ(Clip(1), "second");
  EXPECT_EQ(Clip(2), "");
  loop.AdvanceBy(100);
  EXPECT_EQ(Clip(2), "");
}

TEST_F(CaptureTest, ACopyDuringTheLockOutIsLost) {
  clipboard.Copy("first");
  loop.AdvanceBy(30);  // captured at 25, locked until 75
  clipboard.Copy("second");
  loop.AdvanceBy(25);  // capture step at 55 is refused
  EXPECT_EQ(Clip(1), "first");
  loop.AdvanceBy(500);
  EXPECT_EQ(Clip(1), "first");  // nothing picks it up later
  EXPECT_TRUE(engine.ClipboardSeen());
  clipboard.Copy("third");
  loop.AdvanceBy(25);
  EXPECT_EQ(Clip(1), "third");
}

TEST_F(CaptureTest, GateConditions) {
  struct Case {
    const char* name;
    bool pasting, hidden, dontCopy, editorOpen;
    std::optional<std::string> content;
    bool taken;
  } cases[] = {
      {"plain", false, false, false, false, "x", true},
      {"no text", false, false, false, false, std::nullopt, false},
      {"own paste", true, false, false, false, "x", false},
      {"hidden, copying allowed", false, true, false, false, "x", true},
      {"hidden, don't copy", false, true, true, false, "x", false},
      {"shown, don't copy", false, false, true, false, "x", true},
      {"editor open", false, false, false, true, "x", false},
  };
  int serial = 0;
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    engine.SetPasting(c.pasting);
    ui.visible = !c.hidden;
    engine.GetOptions().DontCopy = c.dontCopy;
    engine.GetOptions().RestoreOnCopy = false;
    engine.SetEditorVisibleQuery([open = c.editorOpen] { return open; });
    engine.SetClipboardSeen(false);
    const std::string before = Clip(1);
    clipboard.Copy(c.content ? std::optional<std::string>(*c.content + std::to_string(++serial)) : std::nullopt);
    loop.AdvanceBy(100);
    EXPECT_EQ(Clip(1) != before, c.taken);
    EXPECT_TRUE(engine.ClipboardSeen());
  }
}

TEST_F(CaptureTest, NewClipRestoresTheHiddenWindowAndPlaysTheSound) {
  TGroup& g = engine.Table().Current();
  g.PlaySound = true;
  g.SoundFile = "/snd/copy.wav";
  ui.visible = false;
  clipboard.Copy("x");
  loop.AdvanceBy(25);
  EXPECT_TRUE(ui.visible);
  EXPECT_EQ(shell.sounds, std::vector<std::string>{"/snd/copy.wav"});
  // A duplicate that changes nothing plays nothing.
  loop.AdvanceBy(100);
  clipboard.Copy("x");
  loop.AdvanceBy(25);
  EXPECT_EQ(shell.sounds.size(), 1u);
}

TEST_F(CaptureTest, ANewClipResetsTheHint) {
  ui.buttonUnderPointer = 2;
  loop.AdvanceBy(500);
  ASSERT_TRUE(ui.hintVisible);
  clipboard.Copy("x");
  loop.AdvanceBy(25);
  EXPECT_FALSE(ui.hintVisible);
  EXPECT_EQ(engine.Hint().HintButton, -1);
}

TEST_F(CaptureTest, StartUpIgnoresChangesAndShutDownUnsubscribes) {
  EXPECT_TRUE(clipboard.Subscribed());
  engine.FormDestroy();
  EXPECT_FALSE(clipboard.Subscribed());
}

}  // namespace
}  // namespace cvd
