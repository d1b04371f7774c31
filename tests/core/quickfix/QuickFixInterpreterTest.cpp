#include <gtest/gtest.h>

#include "core/quickfix/QuickFix.h"
#include "support/RecordingEffects.h"

namespace cvd {
namespace {

const NumberSeparators kPointComma{".", ","};

struct ActionRun {
  QuickFixResult result;
  test::RecordingEffects effects;
};

ActionRun RunAction(const std::string& action, const std::string& text) {
  ActionRun run;
  run.result = RunQuickFixAction(action, text, run.effects, kPointComma);
  return run;
}

std::string Fix(const std::string& action, const std::string& text) {
  ActionRun run = RunAction(action, text);
  EXPECT_FALSE(run.result.error) << action << ": " << *run.result.error;
  return run.result.text;
}

TEST(QuickFixInterpreter, CommandsOfEveryKind) {
  const std::tuple<const char*, std::string, std::string> cases[] = {
      {"{Uppercase}{AddPrefix > }", "a\r\nb", "> A\r\n> B"},
      {"{Lowercase}", "MiXeD \xC3\x89 1", "mixed \xC3\x89 1"},  // only ASCII letters change
      {"{CapitalizeFirst}", "a b", "A B"},
      {"{RemoveLeading >}{RemoveLeading <}", ">> <x", " <x"},  // the blank stops the second command
      {"{RemoveLeading >}{RemoveLeading <}", ">><<x\r\n<>y", "x\r\n>y"},
      {"{RemoveTrailing  }", "a  \r\n b \r\nc\t ", "a\r\n b\r\nc\t"},
      {"{Remove ,}", "a,b,", "ab"},
      {"{Replace \\n, }", "a\nb\r\nc", "a b\r c"},
      {"{RemoveTrailing \\r\\n}", "a\r\nb\r\n", "a\r\nb\r\n"},  // a line never holds its own break
      {"{Remove }}", "a}b}}", "ab"},
      {"{Number (###) ###-####}", "555.123.4567", "(555) 123-4567"},
      {"{Number  %0.00 }", "2", "2.00"},  // the format is trimmed
      // Names match in any letter case and by their beginning where the
      // table says so; anything unknown and all text outside commands is ignored.
      {"{uPPERcase}", "abc", "ABC"},
      {"{RemoveLeadingX >}", ">a", "a"},
      {"junk {Uppercase} more junk", "abc", "ABC"},
      {"{Frobnicate}{Uppercase}", "abc", "ABC"},
      {"{Uppercase }", "abc", "abc"},  // whole-name commands must match exactly
      {"}{Uppercase}", "abc", "ABC"},  // a stray closing bracket is skipped
      {"", "abc", "abc"},
      // Empty arguments change nothing.
      {"{RemoveLeading}{RemoveTrailing}{Remove}{Replace}{Replace ,x}{AddPrefix}{AddSuffix}{Number}", "a,b", "a,b"},
  };
  for (const auto& [action, text, expected] : cases) EXPECT_EQ(Fix(action, text), expected) << action << " on " << text;
}

TEST(QuickFixInterpreter, LocatesCommandsWithTheLookAheadRule) {
  const std::tuple<std::string, std::size_t, std::size_t, std::size_t> cases[] = {
      {"{Uppercase}{Lowercase}", 0, 0, 10},
      {"{Uppercase}{Lowercase}", 11, 11, 21},
      {"{Remove }}", 0, 0, 9},         // no "{" after the second "}": the command ends there
      {"{Remove }}{Upper}", 0, 0, 9},  // the next "{" lies after the second "}"
      {"{A}{B}}", 0, 0, 2},            // a "{" before the second "}" ends the command at the first
      {"x{Remove }}", 0, 1, 9},        // the "{" that opens the command counts when it is not first
      {"}{Upper}", 0, 1, 0},           // a stray "}": nothing to run, the step ends after it
      {"{Remove }" + std::string(1023, 'x') + "}", 0, 0, 1032},
      {"{Remove }" + std::string(1024, 'x') + "}", 0, 0, 8},  // the second "}" is out of reach
  };
  for (const auto& [action, from, start, end] : cases) {
    const auto span = LocateCommand(action, from);
    ASSERT_TRUE(span.has_value()) << action;
    EXPECT_EQ(span->start, start) << action;
    EXPECT_EQ(span->end, end) << action;
  }
  EXPECT_FALSE(LocateCommand("{Upper", 0));
  EXPECT_FALSE(LocateCommand("Upper}", 0));
  EXPECT_FALSE(LocateCommand("{Upper}", 7));
  // A "{" out of reach of the action's start does not stop the look-ahead.
  const std::string far = "{Remove }}" + std::string(1100, 'y') + "{x}";
  EXPECT_EQ(LocateCommand(far, 0)->end, 9u);
  // The argument then ends in "}" and is taken up to the command's last character.
  EXPECT_EQ(CommandArgument("{Remove }}"), "}");
  EXPECT_EQ(CommandArgument("{Replace a b,c d}"), "a b,c d");
  EXPECT_EQ(CommandArgument("{Uppercase}"), "");
}

TEST(QuickFixInterpreter, SplitMakesClipsAndStopsTheAction) {
  ActionRun run = RunAction("{Split 2}{Dial}{Uppercase}", "a\r\nb\r\nc\r\nd\r\ne");
  EXPECT_EQ(run.result.text, NoChangeText);
  EXPECT_EQ(run.effects.newClips, (std::vector<std::string>{"a\r\nb\r\n", "c\r\nd\r\n", "e\r\n"}));
  EXPECT_TRUE(run.effects.dialed.empty());  // nothing runs after NoChangeText

  // Seven lines; a split size that is not a whole number of at least 1 is 5.
  const std::pair<const char*, std::size_t> cases[] = {
      {"{Split 1}", 7}, {"{Split x}", 2}, {"{Split 0}", 2}, {"{Split 7}", 1}};
  const std::string seven = "1\r\n2\r\n3\r\n4\r\n5\r\n6\r\n7\r\n";
  for (const auto& [action, clips] : cases)
    EXPECT_EQ(RunAction(action, seven).effects.newClips.size(), clips) << action;
  EXPECT_EQ(RunAction("{Split 0}", seven).effects.newClips[0], "1\r\n2\r\n3\r\n4\r\n5\r\n");
  EXPECT_TRUE(RunAction("{Split 1}", "").effects.newClips.empty());

  // A text that is NoChangeText runs nothing at all.
  ActionRun none = RunAction("{Dial}{ButtonColor clRed,clBlack}", NoChangeText);
  EXPECT_TRUE(none.effects.dialed.empty());
  EXPECT_TRUE(none.effects.colors.empty());
}

TEST(QuickFixInterpreter, DialAndButtonColorLeaveTheText) {
  ActionRun dial = RunAction("{Dial 9,}{Dial}{Dial  8 }{Dial}", "Call (555) 123-4567 now");
  EXPECT_EQ(dial.result.text, "Call (555) 123-4567 now");
  EXPECT_EQ(dial.effects.dialed,
            (std::vector<std::string>{"9,(555) 123-4567", "(555) 123-4567", "8(555) 123-4567", "(555) 123-4567"}));
  EXPECT_TRUE(RunAction("{Dial}", "no number").effects.dialed.empty());

  ActionRun color = RunAction("{ButtonColor clYellow,clMaroon}{ButtonColor 255}{ButtonColor $00FF0000,0}", "t");
  EXPECT_EQ(color.result.text, "t");
  ASSERT_EQ(color.effects.colors.size(), 3u);
  EXPECT_EQ(color.effects.colors[0], std::make_pair(clYellow, std::optional<TColor>(clMaroon)));
  EXPECT_EQ(color.effects.colors[1], std::make_pair(TColor{255}, std::optional<TColor>()));  // face only
  EXPECT_EQ(color.effects.colors[2], std::make_pair(clBlue, std::optional<TColor>(clBlack)));
}

TEST(QuickFixInterpreter, InvalidValuesStopWithTheTextReachedSoFar) {
  const std::pair<const char*, const char*> cases[] = {
      {"{Uppercase}{LineLength x}{Lowercase}", "'x' is not a valid integer value."},
      {"{Uppercase}{LineLength 99999999999}", "'99999999999' is not a valid integer value."},
      {"{Uppercase}{ButtonColor clNothing,clBlack}", "'clNothing' is not a valid integer value."},
      {"{Uppercase}{ButtonColor clYellow,}", "'' is not a valid integer value."},
  };
  for (const auto& [action, message] : cases) {
    ActionRun run = RunAction(action, "abc");
    ASSERT_TRUE(run.result.error.has_value()) << action;
    EXPECT_EQ(*run.result.error, message);
    EXPECT_EQ(run.result.text, "ABC");        // the command before it ran, the one after did not
    EXPECT_TRUE(run.effects.colors.empty());  // a bad caption colour does not half-apply the face
  }
  EXPECT_EQ(Fix("{LineLength  7 }", "aaa bbb ccc"), "aaa bbb\r\nccc\r\n");
}

TEST(QuickFixInterpreter, TextsThatGrowTooLongStopTheQuickFix) {
  std::string doubling, replacing;
  for (int i = 0; i < 80; ++i) {
    doubling += "{AddPrefix x\\r\\n}";  // doubles the lines each time
    replacing += "{Replace a,aa}";
  }
  const std::tuple<std::string, std::string, std::size_t, bool> cases[] = {
      {doubling, "a", 1u << 20, true},
      {replacing, "a", 1u << 20, true},
      {"{AddSuffix xx}", "ab", 4, false},
      {"{AddSuffix xxx}", "ab", 4, true},
      {"{AddPrefix xx}", "a\r\nb", 7, true},
      {"{Replace a,bb}", "aa", 4, false},
      {"{LineLength 1}", "abcd", 8, true},                // checked after the command
      {"{Uppercase}", std::string(50, 'a'), 10, false},   // a larger text may keep its size...
      {"{AddSuffix x}", std::string(50, 'a'), 10, true},  // ...but not grow
      {"{Split 1}", std::string(50, 'a'), 10, false},
  };
  for (const auto& [action, text, maxText, stopped] : cases) {
    test::RecordingEffects effects;
    const QuickFixResult result = RunQuickFixAction(action, text, effects, kPointComma, maxText);
    EXPECT_EQ(result.error.has_value(), stopped) << action.substr(0, 40);
    if (stopped) {
      EXPECT_EQ(*result.error, kQuickFixTooLongText);
    }
  }
}

// The defaults whose arguments are easy to get wrong.
TEST(QuickFixInterpreter, DefaultQuickFixesWork) {
  const QuickFixList fixes = DefaultQuickFixes();
  auto run = [&](int i, const std::string& text) {
    test::RecordingEffects effects;
    return DoQuickFix(fixes, i, text, effects, kPointComma).text;
  };
  EXPECT_EQ(run(3, ">><<x"), "x");
  EXPECT_EQ(run(4, "  a \r\n b"), "a \r\nb");
  EXPECT_EQ(run(5, "  a \t \r\n b  "), "  a \t\r\n b");  // blanks only, nothing else
  EXPECT_EQ(run(7, "1234567"), "(   ) 123-4567");
  EXPECT_EQ(run(9, "same"), "same");  // no such quick fix
}

TEST(QuickFixInterpreter, ActionSplitsInAnyLetterCase) {
  EXPECT_TRUE(ActionSplits("{Uppercase}{split 2}"));
  EXPECT_TRUE(ActionSplits("{SPLIT}"));
  EXPECT_FALSE(ActionSplits("{Uppercase} split"));
}

}  // namespace
}  // namespace cvd
