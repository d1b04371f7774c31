// The key macro interpreter and the keystroke primitives, in virtual time
// on a US keyboard.
#include <gtest/gtest.h>

#include "core/paste/KeyMacroSender.h"
#include "support/FakeEventLoop.h"
#include "support/KeyTrace.h"
#include "support/RecordingKeyboard.h"

namespace cvd {
namespace {

using test::KeyTrace;

class KeyMacroTest : public ::testing::Test {
 protected:
  std::string Send(const std::string& macro, bool withTimes = false) {
    keyboard.events.clear();
    sender.SendString(macro);
    return KeyTrace(keyboard.events, withTimes);
  }

  test::FakeEventLoop loop;
  test::RecordingKeyboard keyboard{loop};
  KeyMacroSender sender{keyboard, loop};
};

TEST_F(KeyMacroTest, ConsoleMacroSendsAltSpaceThenWaitsThenTypes) {
  EXPECT_EQ(Send("{Alt {Space}}{Delay 100}ep", true),
            "+Alt_L@0 +space@210 -space@220 -Alt_L@230 +e@350 -e@360 +p@370 -p@380");
  EXPECT_EQ(loop.NowMs(), 390);
  EXPECT_FALSE(sender.AltHeld);
  EXPECT_TRUE(keyboard.held.empty());
}

TEST_F(KeyMacroTest, KeyTokensInAnyCase) {
  const std::pair<const char*, const char*> cases[] = {
      {"{Enter}", "+Return -Return"},    {"{enter}", "+Return -Return"}, {"{TAB}", "+Tab -Tab"},
      {"{Space}", "+space -space"},      {"{Left}", "+Left* -Left*"},    {"{up}", "+Up* -Up*"},
      {"{Right}", "+Right* -Right*"},    {"{Down}", "+Down* -Down*"},    {"{End}", "+End* -End*"},
      {"{Home}", "+Home* -Home*"},       {"{Pg Up}", "+Prior* -Prior*"}, {"{pg dn}", "+Next* -Next*"},
      {"{Insert}", "+Insert* -Insert*"},
  };
  for (const auto& c : cases) EXPECT_EQ(Send(c.first), c.second) << c.first;
}

TEST_F(KeyMacroTest, TextThatIsNoTokenIsTyped) {
  const std::string open = "+Shift_L +bracketleft -bracketleft -Shift_L";
  const std::string close = "+Shift_L +bracketright -bracketright -Shift_L";
  const std::pair<const char*, std::string> cases[] = {
      {"", ""},
      {"{Enter }", open + " +Shift_L +e -e -Shift_L +n -n +t -t +e -e +r -r +space -space " + close},
      {"{abc}", open + " +a -a +b -b +c -c " + close},
      {"{x{Tab}y}", open + " +x -x +Tab -Tab +y -y " + close},
      // Unclosed at the end: the last character stands in for the bracket.
      {"{Tab", open + " +Shift_L +t -t -Shift_L +a -a +b -b"},
      {"{Tabx", "+Tab -Tab"},
      {"{Tab\xC3\xA9", "+Tab -Tab"},  // a multi-byte last character is consumed whole
      {"}", close},
      {"{}", open + " " + close},
      {"{Delay}", open + " +Shift_L +d -d -Shift_L +e -e +l -l +a -a +y -y " + close},
  };
  for (const auto& c : cases) EXPECT_EQ(Send(c.first), c.second) << c.first;
}

TEST_F(KeyMacroTest, ModifierTokensHoldTheirKey) {
  const std::pair<const char*, const char*> cases[] = {
      {"{ctrl v}", "+Control_L +v -v -Control_L"},
      // A capital needs Shift inside Ctrl: Ctrl+Shift+V.
      {"{Ctrl V}", "+Control_L +Shift_L +v -v -Shift_L -Control_L"},
      // The argument is everything after the one blank of the prefix.
      {"{Ctrl  v}", "+Control_L +space -space +v -v -Control_L"},
      // Shift held by the token is not pressed again for capitals.
      {"{Shift A!}", "+Shift_L +a -a +1 -1 -Shift_L"},
      {"{Winkey r}", "+Super_L +r -r -Super_L"},
      {"{Alt f}x", "+Alt_L +f -f -Alt_L +x -x"},
      // The inner token clears the flag although the outer one still holds Shift.
      {"{Shift {Shift a}B}", "+Shift_L +Shift_L +a -a -Shift_L +Shift_L +b -b -Shift_L -Shift_L"},
      {"{Ctrl {Shift {Home}}}", "+Control_L +Shift_L +Home* -Home* -Shift_L -Control_L"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(Send(c.first), c.second) << c.first;
    EXPECT_FALSE(sender.CtrlHeld || sender.AltHeld || sender.ShiftHeld) << c.first;
  }
}

TEST_F(KeyMacroTest, AltPausesBeforeItsArgumentAlsoWhenEnclosing) {
  EXPECT_EQ(Send("{Alt {Ctrl x}}", true), "+Alt_L@0 +Control_L@210 +x@420 -x@430 -Control_L@440 -Alt_L@450");
  EXPECT_EQ(Send("{Ctrl {Alt x}}", true), "+Control_L@460 +Alt_L@470 +x@680 -x@690 -Alt_L@700 -Control_L@710");
}

TEST_F(KeyMacroTest, CapsLockIsSwitchedOffAroundEachCharacter) {
  keyboard.capsLock = true;
  EXPECT_EQ(Send("aB", true),
            "+Caps_Lock@0 -Caps_Lock@10 +a@20 -a@30 +Caps_Lock@40 -Caps_Lock@50 "
            "+Shift_L@60 +Caps_Lock@70 -Caps_Lock@80 +b@90 -b@100 -Shift_L@110 +Caps_Lock@120 -Caps_Lock@130");
  EXPECT_TRUE(keyboard.capsLock);
  // Named keys are not characters: no dance.
  EXPECT_EQ(Send("{Enter}"), "+Return -Return");
}

TEST_F(KeyMacroTest, DelayWaits) {
  const std::pair<const char*, int> cases[] = {
      {"{delay 7}", 17},   {"{Delay 10000}", 10010}, {"{Delay 10001}", 11}, {"{Delay 1.5}", 11},
      {"{Delay 20 }", 11}, {"{Delay  20}", 30},      {"{Delay +-20}", 11},  {"{Delay -5}", 0},
  };
  for (const auto& c : cases) {
    const std::int64_t start = loop.NowMs();
    EXPECT_EQ(Send(c.first), "") << c.first;
    EXPECT_EQ(loop.NowMs() - start, c.second) << c.first;
  }
}

TEST_F(KeyMacroTest, EventsAreProcessedBetweenStepsButNotInKeyPauses) {
  std::vector<std::int64_t> fired;
  auto timer = loop.CreateTimer(25, false, [&] { fired.push_back(loop.NowMs()); });
  timer->Start();
  // Each 10 ms slice of a delay processes events: the timer due at 25
  // runs at 30, the next one, due at 55, at 60.
  Send("{Delay 50}");
  EXPECT_EQ(loop.NowMs(), 60);
  EXPECT_EQ(fired, (std::vector<std::int64_t>{30, 60}));
  // Key pauses do not: the timer due at 85 runs after the second
  // character, at 100 (a from 60 to 80, b from 80 to 100).
  fired.clear();
  Send("ab");
  EXPECT_EQ(fired, (std::vector<std::int64_t>{100}));
}

TEST_F(KeyMacroTest, CharactersGoThroughTheLayout) {
  const std::pair<const char*, const char*> cases[] = {
      {"a;", "+a -a +semicolon -semicolon"},
      {"\r\n", "+Return -Return +Control_L +Return -Return -Control_L"},
      {"\t", "+Tab -Tab"},
      {"\xC3\xA9\xE2\x82\xAC", "+U00E9 -U00E9 +U20AC -U20AC"},  // through spare keys
      {"\xE9x", "+U00E9 -U00E9 +x -x"},                         // a stray byte is Latin-1
      {"\x01x", "+x -x"},                                       // no key: skipped
  };
  for (const auto& c : cases) EXPECT_EQ(Send(c.first), c.second) << c.first;
  const std::int64_t start = loop.NowMs();
  Send("\x01");
  EXPECT_EQ(loop.NowMs(), start);  // a skipped character costs no time
}

TEST_F(KeyMacroTest, FindEndBracket) {
  const std::pair<const char*, std::size_t> cases[] = {{"{}", 2},   {"{abc}x", 5}, {"{a{b}c}d", 7}, {"{a}b}", 3},
                                                       {"{abc", 4}, {"{", 1},      {"{{a}", 4}};
  for (const auto& c : cases) EXPECT_EQ(KeyMacroSender::FindEndBracket(c.first), c.second) << c.first;
}

TEST_F(KeyMacroTest, DeepNestingIsCappedNotRecursedWithoutEnd) {
  std::string macro;
  const int levels = KeyMacroSender::kMaxNesting + 1;
  for (int i = 0; i < levels; ++i) macro += "{Shift ";
  macro += "x";
  macro += std::string(levels, '}');
  Send(macro);
  int shiftDowns = 0;
  for (const auto& e : keyboard.events) shiftDowns += !e.up && e.key == "Shift_L";
  EXPECT_EQ(shiftDowns, KeyMacroSender::kMaxNesting);
  EXPECT_TRUE(keyboard.held.empty());
}

TEST_F(KeyMacroTest, PasteKeystrokes) {
  sender.SendPasteKeystroke(0);
  EXPECT_EQ(KeyTrace(keyboard.events, true), "+Control_L@0 +v@10 -v@20 -Control_L@30");
  for (int mode : {1, 2}) {
    keyboard.events.clear();
    sender.SendPasteKeystroke(mode);
    EXPECT_EQ(KeyTrace(keyboard.events), "+Shift_L +Insert* -Insert* -Shift_L");
  }
}

}  // namespace
}  // namespace cvd
