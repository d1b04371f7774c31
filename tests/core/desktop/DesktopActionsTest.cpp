// The manual, the web page, the support mail, the autostart entry and the
// no-tray notice, on the running program's core.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

#include "core/app/CommandLine.h"
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
    std::string expectOpened;    // empty: nothing opened
    std::string expectPathSaid;  // the message names where the manual is; empty: no message
  } cases[] = {
      {"build folder", true, true, true, besidePath, ""},
      {"installed", false, true, true, sharePath, ""},
      {"missing: the desktop is not asked", false, false, true, "", besidePath},
      {"desktop fails", false, true, false, sharePath, sharePath},
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
    ASSERT_EQ(h.ui.messages.size(), c.expectPathSaid.empty() ? 0u : 1u);
    if (!c.expectPathSaid.empty()) {
      EXPECT_NE(h.ui.messages[0].text.find("\n" + c.expectPathSaid), std::string::npos);
    }
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
  EXPECT_EQ(h.shell.opened,
            std::vector<std::string>{"mailto:support@corvinade.org?subject=Corvinade%20" + ProgramVersion()});

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

TEST_F(DesktopActionsTest, ClosingWithoutATrayTellsOnceHowToComeBackWhereTheUserSeesIt) {
  const struct {
    bool tray, notifications;
    std::size_t balloons, messages;
  } cases[] = {
      {true, true, 0, 0},    // a tray icon to click: nothing to say
      {false, true, 1, 0},   // a notice
      {false, false, 0, 1},  // nothing shows notices: a message box
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << "tray " << c.tray << ", notifications " << c.notifications);
    Harness fresh;
    fresh.Start(bin);
    fresh.ui.balloons.clear();
    fresh.ui.messages.clear();
    fresh.ui.trayShown = c.tray;
    fresh.ui.notificationService = c.notifications;
    for (int i = 0; i < 2; ++i) {
      fresh.ui.visible = true;
      fresh.engine->CloseButtonWindow();
    }
    ASSERT_EQ(fresh.ui.balloons.size(), c.balloons);
    ASSERT_EQ(fresh.ui.messages.size(), c.messages);
    const std::string said = c.balloons ? fresh.ui.balloons[0] : c.messages ? fresh.ui.messages[0].text : "Alt+S";
    EXPECT_NE(said.find("Alt+S"), std::string::npos);
    EXPECT_FALSE(fresh.ui.visible);
  }
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
