#include "core/desktop/DesktopActions.h"

#include <cctype>
#include <cstdlib>
#include <filesystem>

#include "core/app/CommandLine.h"
#include "core/data/AtomicFile.h"
#include "core/util/Files.h"
#include "core/util/ProgramFiles.h"

namespace cvd {
namespace {

// The web page address as the user would type it.
std::string WithoutScheme(std::string url) {
  const auto scheme = url.find("://");
  if (scheme != std::string::npos) url.erase(0, scheme + 3);
  return url;
}

std::string PercentEncoded(const std::string& text) {
  static const char* hex = "0123456789ABCDEF";
  std::string out;
  for (unsigned char c : text) {
    if (std::isalnum(c) || c == '.' || c == '-' || c == '_' || c == '~') {
      out += static_cast<char>(c);
    } else {
      out += '%';
      out += hex[c >> 4];
      out += hex[c & 15];
    }
  }
  return out;
}

}  // namespace

std::string VersionLine() { return "Version " + ProgramVersion(); }

std::string AutostartEntryPath() {
  const char* config = std::getenv("XDG_CONFIG_HOME");
  std::string folder;
  if (config && config[0] == '/') {
    folder = config;
  } else {
    const char* home = std::getenv("HOME");
    folder = std::string(home ? home : "") + "/.config";
  }
  return folder + "/autostart/corvinade.desktop";
}

std::string AutostartEntryText(const std::string& programFile) {
  // Inside double quotes a desktop entry's Exec key escapes ", `, $ and \.
  std::string quoted = "\"";
  for (char c : programFile) {
    if (c == '"' || c == '`' || c == '$' || c == '\\') quoted += '\\';
    quoted += c;
  }
  quoted += '"';
  // The Exec key is itself a string value, whose reading undoubles backslashes.
  std::string exec;
  for (char c : quoted) {
    if (c == '\\') exec += '\\';
    exec += c;
  }
  return "[Desktop Entry]\n"
         "Type=Application\n"
         "Name=Corvinade\n"
         "Comment=Clipboard history and text snippets\n"
         "Exec=" +
         exec +
         "\n"
         "Icon=corvinade\n"
         "Terminal=false\n"
         "X-GNOME-Autostart-enabled=true\n";
}

std::string DesktopActions::ManualPath() const { return FindProgramFile(programDir_, kHelpFileName); }

void DesktopActions::MenuReadHelpFileClick() {
  const std::string manual = ManualPath();
  // Desktops answer "opened" for a missing file too, so look first.
  const bool present = FileExists(manual);
  if (present && shell_.Open(manual)) return;
  // Say where the manual is (or should be), so it can be opened by hand.
  const std::string where =
      present ? "No program answered to show it. The manual is:\n" : "The manual is missing; it belongs at:\n";
  ui_.CursorMessageDlg(std::string(kHelpMissingText) + "\n\n" + where + manual, MsgKind::Warning, MsgButtons::Ok);
}

void DesktopActions::OpenManualQuietly() {
  const std::string manual = ManualPath();
  if (FileExists(manual)) shell_.Open(manual);
}

void DesktopActions::MenuCorvinadeWebSiteClick() {
  if (shell_.Open(kWebSite)) return;
  ui_.CursorMessageDlg("Unable to start browser. Please visit\n" + WithoutScheme(kWebSite) + "\nfor more information.",
                       MsgKind::Warning, MsgButtons::Ok);
}

void DesktopActions::MailSupport() {
  const std::string mail =
      std::string("mailto:") + kSupportAddress + "?subject=" + PercentEncoded("Corvinade " + ProgramVersion());
  if (shell_.Open(mail)) return;
  const MsgResult answer = ui_.CursorMessageDlg(
      "Unable to start your e-mail program.\n\nWould you like to visit the Corvinade web site for support?",
      MsgKind::Warning, MsgButtons::YesNo);
  if (answer == MsgResult::Yes) MenuCorvinadeWebSiteClick();
}

void DesktopActions::ButtonWindowClosed() {
  if (toldHowToReturn_ || tray_.TrayIconShown()) return;
  toldHowToReturn_ = true;
  // A notice rather than a dialog: closing a window should not open another,
  // unless nothing else would tell the user.
  if (tray_.BalloonsShown()) {
    tray_.Balloon("Corvinade", kNoTrayCloseText, 20);
  } else {
    ui_.CursorMessageDlg(kNoTrayCloseText, MsgKind::Information, MsgButtons::Ok);
  }
}

bool DesktopActions::StartsAtLogin() const { return FileExists(AutostartEntryPath()); }

bool DesktopActions::SetStartAtLogin(bool on) {
  namespace fs = std::filesystem;
  const std::string path = AutostartEntryPath();
  std::error_code error;
  std::string why;
  if (on) {
    fs::create_directories(fs::path(path).parent_path(), error);
    if (WriteFileAtomically(path, AutostartEntryText(programDir_ + "corvinade"), &why, FileAccess::KeepExisting)) {
      return true;
    }
  } else {
    if (fs::remove(path, error) || !error) return true;
    why = error.message();
  }
  ui_.CursorMessageDlg("Corvinade could not change its autostart entry\n" + path + "\n\n" + why, MsgKind::Error,
                       MsgButtons::Ok);
  return false;
}

}  // namespace cvd
