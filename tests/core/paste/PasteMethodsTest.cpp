// Title matching of paste methods.
#include "core/paste/PasteMethods.h"

#include <gtest/gtest.h>

namespace cvd {
namespace {

TEST(PasteMethodsTest, TitleMatchingByMode) {
  const std::tuple<const char*, int, const char*, bool> cases[] = {
      {"Term", pmBeginning, "Terminal", true},
      {"Term", pmBeginning, "My Terminal", false},
      {"command prompt", pmAnywhere, "Administrator: Command Prompt", false},  // case-sensitive
      {"Command Prompt", pmAnywhere, "Administrator: Command Prompt - ping", true},
      {"cmd.exe", pmEnding, "C:\\Windows\\system32\\cmd.exe", true},
      {"cmd.exe", pmEnding, "cmd.exe - cmd.exe", false},  // only the first occurrence counts
      {"cmd.exe", pmEnding, "cmd.ex", false},
      {"abc", pmExactly, "abcd", false},
      {"", pmBeginning, "abc", false},
      {"", pmAnywhere, "abc", false},
      {"", pmEnding, "", false},
      {"", pmExactly, "", true},
      {"abc", 4, "abc", false},
  };
  for (const auto& [watch, match, title, matches] : cases) {
    EXPECT_EQ(TitleMatches(PasteMethod{watch, match, "{Ctrl v}", 150}, title), matches) << watch << " / " << title;
  }
}

TEST(PasteMethodsTest, DefaultsServeEditorsWithTheirOwnPasteKeyAndTheFirstMatchWins) {
  const PasteMethods methods = DefaultPasteMethods();
  ASSERT_EQ(methods.size(), 2u);
  EXPECT_EQ(FindPasteMethod(methods, "notes.txt - GNU Emacs at build7"), &methods[0]);
  EXPECT_EQ(FindPasteMethod(methods, "notes.txt (~/src) - GVIM"), &methods[1]);
  EXPECT_EQ(FindPasteMethod(methods, "GNU Emacs tips - GVIM"), &methods[0]);
  EXPECT_EQ(FindPasteMethod(methods, "vim - xterm"), nullptr);
}

TEST(PasteMethodsTest, TitlesAreMatchedOnTheir254FirstCharacters) {
  EXPECT_EQ(TitleForMatching(std::string(300, 'a')), std::string(254, 'a'));
  const std::string accented = std::string(253, 'a') + "\xC3\xA9" + "bc";
  EXPECT_EQ(TitleForMatching(accented), std::string(253, 'a') + "\xC3\xA9");
  // A watch text at the end of a long title lies beyond what is compared.
  const PasteMethod ending{"cmd.exe", pmEnding, "", 0};
  EXPECT_FALSE(TitleMatches(ending, TitleForMatching(std::string(250, 'x') + "cmd.exe")));
}

}  // namespace
}  // namespace cvd
