// The paste methods of the setup page: new by the next activated window,
// delete, test, and edits that always reach the current entry.
#include <gtest/gtest.h>

#include "core/setup/MacroEditing.h"
#include "core/setup/PasteMethodPage.h"
#include "support/Harness.h"

namespace cvd {
namespace {

class PasteMethodPageTest : public ::testing::Test {
 protected:
  PasteMethodPageTest() {
    h.Start();
    h.windows.windows = {
        {10, {"bash - xterm", "xterm"}}, {11, {"", "tool"}}, {99, {"Corvinade Settings", "corvinade", false, true}}};
    h.windows.foreground = 99;
    Page().Load();
  }
  PasteMethodPage& Page() { return h.engine->PasteMethodEditor(); }
  const PasteMethods& Methods() { return h.state.settings.PasteKeys; }
  // The user activates `w` while the page waits.
  void Activate(WindowId w) {
    h.windows.foreground = w;
    h.loop.AdvanceBy(50);
  }
  test::Harness h;
};

TEST_F(PasteMethodPageTest, NewTakesTheNextOtherWindowAndWaitsOnlyOnce) {
  int changes = 0;
  const Subscription subscription = Page().SubscribeToChanges([&] { ++changes; });
  h.ui.Answer(MsgResult::Ok);
  Page().NewWinButtonClick();
  // Presses while waiting start nothing: no second notice, nothing nests.
  Page().NewWinButtonClick();
  Page().TestWinButtonClick();
  Page().DelWinButtonClick();
  EXPECT_EQ(h.ui.messages.size(), 1u);
  Activate(99);  // our own window
  ASSERT_TRUE(Page().Waiting());
  Activate(11);  // a window without a title
  EXPECT_FALSE(Page().Waiting());
  EXPECT_EQ(changes, 1);
  ASSERT_EQ(Methods().size(), 3u);
  EXPECT_EQ(Methods()[2], (PasteMethod{"Window Title", pmAnywhere, "{Ctrl v}", 150}));
  EXPECT_EQ(Page().Current(), 2);
  // Cancel on the notice, and Escape during the wait, add nothing.
  h.ui.Answer(MsgResult::Cancel);
  Page().NewWinButtonClick();
  EXPECT_FALSE(Page().Waiting());
  h.ui.Answer(MsgResult::Ok);
  Page().NewWinButtonClick();
  h.keyboard.held = {NamedKey::Escape};
  Activate(10);
  EXPECT_FALSE(Page().Waiting());
  // A full table refuses the 51st with a message instead of the notice.
  h.state.settings.PasteKeys.resize(kPasteKeysCapacity);
  Page().NewWinButtonClick();
  EXPECT_FALSE(Page().Waiting());
  EXPECT_NE(h.ui.messages.back().text.find("50"), std::string::npos);
  EXPECT_EQ(Methods().size(), 50u);
}

TEST_F(PasteMethodPageTest, DeleteAsksAndKeepsTheLast) {
  Page().Select(1);
  h.ui.Answer(MsgResult::No);
  Page().DelWinButtonClick();
  EXPECT_EQ(h.ui.messages[0].text, "Window title: GVIM\n\nAre you sure you want to delete this paste method?");
  h.ui.Answer(MsgResult::Yes);
  Page().DelWinButtonClick();
  ASSERT_EQ(Methods().size(), 1u);
  EXPECT_EQ(Methods()[0].Title, "GNU Emacs");
  EXPECT_EQ(Page().Current(), 0);
  Page().DelWinButtonClick();  // the last one: a message, no question
  EXPECT_EQ(h.ui.messages.back().buttons, MsgButtons::Ok);
  EXPECT_EQ(Methods().size(), 1u);
}

TEST_F(PasteMethodPageTest, TestSendsTheCurrentMacroToTheWindowPicked) {
  Page().Select(1);
  Page().SetKeyMacro("z");
  for (const auto& [title, pasted] :
       std::vector<std::pair<const char*, bool>>{{"bash - xterm", false}, {"notes.txt - GVIM", true}}) {
    h.windows.windows[10].title = title;
    h.windows.foreground = 99;
    h.keyboard.events.clear();
    h.ui.Answer(MsgResult::Ok);
    Page().TestWinButtonClick();
    Activate(10);
    EXPECT_EQ(h.keyboard.events.empty(), !pasted) << title;
  }
  EXPECT_EQ(h.ui.messages.at(1).text, "Window title does not match");
  EXPECT_EQ(h.clipboard.written, std::vector<std::string>{"Paste Test"});
}

TEST_F(PasteMethodPageTest, EditsGoToTheCurrentEntry) {
  Page().Select(1);
  Page().Select(7);  // no such entry: the current one stays
  Page().Rename("cmd");
  Page().SetKeyMacro("{Ctrl v}");
  Page().SetDelay(5000);
  Page().ChooseMatch(pmExactly);
  Page().ChooseMatch(9);
  EXPECT_EQ(Methods()[1], (PasteMethod{"cmd", pmExactly, "{Ctrl v}", 1000}));
  // The table shrinks behind the page's back: opening the page starts at the first entry.
  h.state.settings.PasteKeys.resize(1);
  Page().Load();
  EXPECT_EQ(Page().Current(), 0);
}

TEST(MacroEditingTest, InsertMenuReplacesTheSelection) {
  // Text and selection before, menu entry, text and selection after.
  const std::tuple<MacroEdit, const char*, MacroEdit> cases[] = {
      {{"ab", 1, 0}, "Alt", {"a{Alt a}b", 6, 1}},
      {{"xYYz", 1, 2}, "Delay", {"x{Delay 100}z", 8, 3}},
      {{"é", 2, 0}, "Enter", {"é{Enter}", 9, 0}},
      {{"ab", 9, 4}, "Page Down", {"ab{Pg Dn}", 9, 0}},  // a stale caret lands at the end
  };
  for (const auto& [before, menu, after] : cases) {
    std::size_t entry = 0;
    while (std::string_view(kMacroTokens[entry].menu) != menu) ++entry;
    EXPECT_EQ(InsertMacroToken(before, entry), after) << menu;
  }
}

TEST(MacroEditingTest, BackspaceTakesKnownTokensWhole) {
  // Text, caret, where the removed span starts (npos: one character goes).
  const std::tuple<const char*, std::size_t, std::size_t> cases[] = {
      {"a{Delay 250}", 12, 1},   {"{F5}", 4, std::string::npos},     {"{enter}", 7, 0},
      {"x{Alt {Space}}", 14, 1}, {"{Space}}", 8, std::string::npos}, {"{Pg Up}b", 8, std::string::npos},
      {"{Tab}{Tab}", 10, 5},     {"{Ctrl", 5, std::string::npos},
  };
  for (const auto& [text, caret, start] : cases) {
    EXPECT_EQ(TokenStartBeforeCaret(text, caret).value_or(std::string::npos), start) << text;
  }
}

}  // namespace
}  // namespace cvd
