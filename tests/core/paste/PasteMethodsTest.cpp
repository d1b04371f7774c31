// Title matching of paste methods.
#include "core/paste/PasteMethods.h"

#include <gtest/gtest.h>

namespace cvd {
namespace {

TEST(PasteMethodsTest, TitleMatchingByMode) {
  struct Case {
    const char* watch;
    int match;
    const char* title;
    bool matches;
  } cases[] = {
      {"Term", pmBeginning, "Terminal", true}, {"Term", pmBeginning, "My Terminal", false},
      {"Command Prompt", pmAnywhere, "Administrator: Command Prompt - ping", true},
      {"command prompt", pmAnywhere, "Administrator: Command Prompt", false},  // case-sensitive
      {"cmd.exe", pmEnding, "C:\\Windows\\system32\\cmd.exe", true}, {"cmd.exe", pmEnding, "cmd.exe", true},
      {"cmd.exe", pmEnding, "cmd.exe - cmd.exe", false},  // only the first occurrence counts
      {"cmd.exe", pmEnding, "cmd.ex", false}, {"cmd.exe", pmEnding, "cmd.exe - notes", false},
      {"abc", pmExactly, "abc", true}, {"abc", pmExactly, "abcd", false}, {"", pmBeginning, "", false},
      {"", pmBeginning, "abc", false}, {"", pmAnywhere, "abc", false}, {"", pmEnding, "", false},
      {"", pmEnding, "abc", false}, {"", pmExactly, "", true}, {"", pmExactly, "x", false}, {"abc", 4, "abc", false},
      {"abc", -1, "abc", false},
  };
  for (const Case& c : cases) {
    const PasteMethod method{c.watch, c.match, "{Ctrl v}", 150};
    EXPECT_EQ(TitleMatches(method, c.title), c.matches) << c.watch << " / " << c.match << " / " << c.title;
  }
}

TEST(PasteMethodsTest, DefaultsServeConsolesAndTheFirstMatchWins) {
  const PasteMethods methods = DefaultPasteMethods();
  ASSERT_EQ(methods.size(), 2u);
  EXPECT_EQ(methods[0], (PasteMethod{"Command Prompt", 1, "{Alt {Space}}{Delay 100}ep", 200}));
  EXPECT_EQ(methods[1], (PasteMethod{"cmd.exe", 2, "{Alt {Space}}{Delay 100}ep", 200}));
  EXPECT_EQ(FindPasteMethod(methods, "C:\\WINDOWS\\system32\\cmd.exe"), &methods[1]);
  EXPECT_EQ(FindPasteMethod(methods, "Command Prompt - cmd.exe"), &methods[0]);
  EXPECT_EQ(FindPasteMethod(methods, "Terminal"), nullptr);
  EXPECT_EQ(FindPasteMethod({}, "Terminal"), nullptr);
  EXPECT_EQ(NewPasteMethod("xterm"), (PasteMethod{"xterm", 1, "{Ctrl v}", 150}));
}

TEST(PasteMethodsTest, TitlesAreMatchedOnTheir254FirstCharacters) {
  EXPECT_EQ(TitleForMatching(std::string(300, 'a')), std::string(254, 'a'));
  const std::string accented = std::string(253, 'a') + "\xC3\xA9" + "bc";
  EXPECT_EQ(TitleForMatching(accented), std::string(253, 'a') + "\xC3\xA9");
  EXPECT_EQ(TitleForMatching("short"), "short");
  // A watch text at the end of a long title lies beyond what is compared.
  const PasteMethod ending{"cmd.exe", pmEnding, "", 0};
  EXPECT_FALSE(TitleMatches(ending, TitleForMatching(std::string(250, 'x') + "cmd.exe")));
}

}  // namespace
}  // namespace cvd
