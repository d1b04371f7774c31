#include "core/settings/TerminalsIni.h"

#include <gtest/gtest.h>

namespace cvd {
namespace {

TerminalPaste Read(const std::string& text) {
  IniFile ini;
  ini.LoadFromText(text);
  TerminalPaste terminals;
  ReadTerminalSettings(ini, terminals);
  return terminals;
}

TEST(TerminalsIniTest, ReadsTheListOrKeepsTheDefaults) {
  const TerminalPaste defaults;
  EXPECT_EQ(Read("[Windows]\r\nMainLeft=5\r\n"), defaults);
  // A macro of its own alone keeps the default list.
  EXPECT_EQ(Read("[Terminals]\r\nPasteKey={Ctrl {Shift v}}\r\n").Classes, defaults.Classes);
  EXPECT_EQ(Read("[Terminals]\r\nPasteKey={Ctrl {Shift v}}\r\n").KeyMacro, "{Ctrl {Shift v}}");
  // Empty names are skipped; a count beyond the keys reads what is there.
  EXPECT_EQ(Read("[terminals]\r\nNumTerminal=3\r\nClass1=foot\r\nClass2=\r\nClass3=Wezterm\r\n").Classes,
            (std::vector<std::string>{"foot", "Wezterm"}));
  EXPECT_EQ(Read("[Terminals]\r\nNumTerminal=99999999\r\nClass1=foot\r\n").Classes, std::vector<std::string>{"foot"});
  // No terminals at all turns the terminal paste off.
  EXPECT_TRUE(Read("[Terminals]\r\nNumTerminal=0\r\nClass1=XTerm\r\n").Classes.empty());
  EXPECT_TRUE(Read("[Terminals]\r\nNumTerminal=-4\r\n").Classes.empty());
}

TEST(TerminalsIniTest, WritesBackWhatItReadsAndKeepsUnknownKeys) {
  IniFile ini;
  ini.LoadFromText("[Terminals]\r\nComment=mine\r\nNumTerminal=1\r\nClass1=foot\r\n");
  TerminalPaste terminals;
  ReadTerminalSettings(ini, terminals);
  terminals.Classes.push_back("Wezterm");
  WriteTerminalSettings(ini, terminals);
  IniFile again;
  again.LoadFromText(ini.ToText());
  TerminalPaste reread;
  ReadTerminalSettings(again, reread);
  EXPECT_EQ(reread, terminals);
  EXPECT_EQ(again.ReadString("Terminals", "Comment", ""), "mine");
  // A fresh file gets the whole default list, which reads back the same.
  IniFile fresh;
  WriteTerminalSettings(fresh, TerminalPaste{});
  IniFile freshAgain;
  freshAgain.LoadFromText(fresh.ToText());
  TerminalPaste freshRead;
  freshRead.Classes.clear();
  ReadTerminalSettings(freshAgain, freshRead);
  EXPECT_EQ(freshRead, TerminalPaste{});
}

TEST(TerminalsIniTest, TheDefaultsKnowTerminalsByTheirWaylandAppIdAsByTheirX11Class) {
  const TerminalPaste defaults;
  const struct {
    const char* name;
    bool terminal;
  } cases[] = {
      {"foot", true},
      {"kitty", true},
      {"Alacritty", true},
      {"org.wezfurlong.wezterm", true},
      {"com.mitchellh.ghostty", true},
      {"org.gnome.Terminal", true},
      {"org.kde.konsole", true},
      {"org.gnome.Ptyxis", true},
      {"ORG.GNOME.PTYXIS", true},
      {"XTerm", true},
      {"org.gnome.TextEditor", false},
      {"org.gnome", false},
      {"", false},
  };
  for (const auto& c : cases) EXPECT_EQ(IsTerminalClass(defaults, c.name), c.terminal) << c.name;
}

}  // namespace
}  // namespace cvd
