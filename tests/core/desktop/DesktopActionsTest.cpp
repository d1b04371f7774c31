// The manual, the web page, the support mail, the autostart entry and the
// no-tray notice, on the running program's core.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

#include "core/desktop/DesktopActions.h"
#include "support/Harness.h"

namespace cvd::test {
namespace {

class DesktopActionsTest : public ::testing::Test {
 protected:
  // An install tree: <root>/bin/ holds the program, <root>/share/corvinade/ its files.
  TempDir root;
  std::string bin = root.Sub("bin");
  std::string installed = root.Sub("share") + "corvinade/";
  Harness h;
};

TEST_F(DesktopActionsTest, HelpOpensTheManualBesideTheProgramOrInstalledElseSaysItIsMissing) {
  const std::string besidePath = bin + kHelpFileName, sharePath = installed + kHelpFileName;
  const struct {
    const char* name;
    bool beside, underShare, shellOpens;
    std::string expectOpened;  // empty: nothing opened
    bool expectMessage;        // the manual cannot be shown
  } cases[] = {
      {"build folder", true, true, true, besidePath, false},
      {"installed", false, true, true, sharePath, false},
      {"missing: the desktop is not asked", false, false, true, "", true},
      {"desktop fails", false, true, false, sharePath, true},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    std::filesystem::remove_all(installed);
    std::filesystem::remove(besidePath);
    if (c.beside) WriteTextFile(besidePath, "%PDF");
    if (c.underShare) {
      std::filesystem::create_directories(installed);
      WriteTextFile(sharePath, "%PDF");
    }
    h.Start(bin);
    h.shell.opened.clear();
    h.ui.messages.clear();
    h.shell.openSucceeds = c.shellOpens;
    h.engine->Desktop().MenuReadHelpFileClick();
    EXPECT_EQ(h.shell.opened.empty() ? "" : h.shell.opened.back(), c.expectOpened);
    EXPECT_EQ(h.ui.messages.size(), c.expectMessage ? 1u : 0u);
  }
}

TEST_F(DesktopActionsTest, FirstStartOpensTheInstalledManualAndFindsTheInstalledSound) {
  std::filesystem::create_directories(installed);
  WriteTextFile(installed + kHelpFileName, "%PDF");
  WriteTextFile(installed + "copy.wav", "RIFF");
  h.Start(bin);
  EXPECT_EQ(h.shell.opened, std::vector<std::string>{installed + kHelpFileName});
  EXPECT_EQ(h.ui.balloons, std::vector<std::string>{std::string("Corvinade: ") + kWelcomeText});
  EXPECT_EQ(h.Group().SoundFile, installed + "copy.wav");  // not bin/copy.wav
  h.engine->MenuExitClick();
  h.shell.opened.clear();
  h.Start(bin);
  EXPECT_TRUE(h.shell.opened.empty());
}

TEST_F(DesktopActionsTest, MailAndWebPageFallBackWithTheirMessages) {
  h.Start(bin);
  h.engine->Desktop().MailSupport();
  EXPECT_EQ(h.shell.opened, std::vector<std::string>{"mailto:support@corvinade.org?subject=Corvinade%201.8%20b4"});

  // No mail client: the user is offered the web page, and no browser either.
  h.shell.opened.clear();
  h.shell.openSucceeds = false;
  h.ui.Answer(MsgResult::Yes);
  h.engine->Desktop().MailSupport();
  EXPECT_EQ(h.shell.opened.back(), "https://corvinade.org/");
  ASSERT_EQ(h.ui.messages.size(), 2u);
  EXPECT_EQ(h.ui.messages[1].buttons, MsgButtons::Ok);  // no browser either

  h.ui.Answer(MsgResult::No);
  h.engine->Desktop().MailSupport();
  EXPECT_EQ(h.shell.opened.size(), 3u);  // the mail only
  EXPECT_TRUE(h.ui.AllAnswersUsed());
}

TEST_F(DesktopActionsTest, ClosingWithoutATrayTellsOnceHowToComeBack) {
  h.Start(bin);
  h.ui.balloons.clear();
  h.engine->CloseButtonWindow();  // a tray icon to click: nothing to say
  EXPECT_TRUE(h.ui.balloons.empty());
  h.ui.trayShown = false;
  for (int i = 0; i < 2; ++i) {
    h.ui.visible = true;
    h.engine->CloseButtonWindow();
  }
  ASSERT_EQ(h.ui.balloons.size(), 1u);
  EXPECT_NE(h.ui.balloons[0].find("Alt+S"), std::string::npos);
  EXPECT_FALSE(h.ui.visible);
}

TEST_F(DesktopActionsTest, AutostartEntryIsWrittenQuotedAndRemoved) {
  TempDir config;
  const char* old = std::getenv("XDG_CONFIG_HOME");
  const std::string saved = old ? old : "";
  setenv("XDG_CONFIG_HOME", config.Path().c_str(), 1);
  const std::string odd = root.Sub("my $apps \"x\"");
  h.Start(odd);
  DesktopActions& desktop = h.engine->Desktop();
  EXPECT_TRUE(desktop.SetStartAtLogin(true));  // makes the autostart folder
  EXPECT_TRUE(desktop.StartsAtLogin());
  const std::string entry = config.Read("autostart/corvinade.desktop");
  const std::string exec = "Exec=\"" + root.Path() + "my \\\\$apps \\\\\"x\\\\\"/corvinade\"\n";
  EXPECT_NE(entry.find(exec), std::string::npos) << entry;
  EXPECT_TRUE(desktop.SetStartAtLogin(false));
  EXPECT_FALSE(desktop.StartsAtLogin());
  EXPECT_TRUE(desktop.SetStartAtLogin(false));  // already gone is fine
  if (old)
    setenv("XDG_CONFIG_HOME", saved.c_str(), 1);
  else
    unsetenv("XDG_CONFIG_HOME");
}

}  // namespace
}  // namespace cvd::test
