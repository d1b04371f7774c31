#pragma once
// What the program does for the desktop around it: the manual, the web page
// and the support e-mail, the autostart entry, and a word on how to get the
// button window back when there is no tray icon to click.
#include <string>

#include "core/ports/Messages.h"
#include "core/ports/Shell.h"
#include "core/ports/TrayView.h"

namespace cvd {

inline constexpr const char* kHelpFileName = "Corvinade User Manual.pdf";
inline constexpr const char* kWebSite = "https://corvinade.org/";
inline constexpr const char* kSupportAddress = "support@corvinade.org";
inline constexpr const char* kHelpMissingText = "Unable to open the Corvinade help file.";
inline constexpr const char* kNoTrayCloseText =
    "Corvinade keeps running without a tray icon.\n\n"
    "To bring the button window back, start Corvinade again or press Alt+S.";

// The autostart entry of the XDG desktops: "corvinade.desktop" in
// $XDG_CONFIG_HOME/autostart (~/.config/autostart by default).
std::string AutostartEntryPath();
// The about box's "Version 1.8.4".
std::string VersionLine();
// The entry's text; `programFile` is quoted as desktop entries require.
std::string AutostartEntryText(const std::string& programFile);

class DesktopActions {
 public:
  // `programDir` is the folder of the running program (ends with "/").
  DesktopActions(Shell& shell, Messages& ui, TrayView& tray, const std::string& programDir)
      : shell_(shell), ui_(ui), tray_(tray), programDir_(programDir) {}

  // Opens the manual; a missing file or a desktop that cannot open it is
  // reported with kHelpMissingText.
  void MenuReadHelpFileClick();
  // The very first start opens the manual without complaint when it is missing.
  void OpenManualQuietly();
  void MenuCorvinadeWebSiteClick();
  // The about box's e-mail link: a new message to the support address; when
  // no mail client answers, offers the web page instead.
  void MailSupport();
  // The button window was closed; without a tray icon a notice (through the
  // desktop's notifications) tells once how to get it back.
  void ButtonWindowClosed();

  bool StartsAtLogin() const;
  // Writes or removes the autostart entry; false (the user has been told)
  // when that failed.
  bool SetStartAtLogin(bool on);

  std::string ManualPath() const;

 private:
  Shell& shell_;
  Messages& ui_;
  TrayView& tray_;
  const std::string& programDir_;
  bool toldHowToReturn_ = false;
};

}  // namespace cvd
