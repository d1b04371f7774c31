#pragma once
// corvinade-tool doctor's verdicts: what the session and the running
// program were found to do, turned into one line per function (capture,
// paste, target tracking, shortcut keys) with what the user can do.
#include <optional>
#include <string>
#include <vector>

#include <nlohmann/json.hpp>

#include "core/app/PlatformPaths.h"

namespace cvd {

// How the doctor's own copy fared.
enum class ProbeResult {
  NotRun,   // no running program to ask
  NoCopy,   // the doctor could not put its text on the clipboard
  Seen,     // the program captured it (and kept nothing)
  NotSeen,  // it never reached the program
};

// Whether the compositor's configuration binds `corvinade-tool do`.
enum class BindingsFound { Unknown, Yes, No };

// What the running program says about itself (`corvinade-tool state`).
struct ProgramFacts {
  PlatformPaths paths;
  bool paused = false;
  bool shortcutsEnabled = true;
  // How many shortcut functions the desktop assigned a trigger (portal keys).
  int triggersAssigned = 0;
  // The title of the window pastes go to; nothing when none is known.
  std::optional<std::string> target;
};

struct SessionFacts {
  bool wayland = false;  // a compositor answers on $WAYLAND_DISPLAY
  std::string desktop;   // $XDG_CURRENT_DESKTOP
  // What the compositor offers (Wayland only): the data-control manager's
  // name (empty: none), a virtual keyboard, the foreign-toplevel list.
  std::string dataControl;
  bool virtualKeyboard = false;
  bool toplevels = false;
  // The session bus offers org.freedesktop.portal.RemoteDesktop.
  bool remoteDesktopPortal = false;
  // ... and org.freedesktop.portal.GlobalShortcuts.
  bool globalShortcutsPortal = false;
  std::optional<ProgramFacts> program;
  ProbeResult capture = ProbeResult::NotRun;
  // How the doctor copied: "wayland" (data-control) or "x11".
  std::string copiedVia;
  BindingsFound bindings = BindingsFound::Unknown;
};

enum class Verdict { Works, Fails, Unchecked };

struct Check {
  std::string name;  // "capture", "paste", "target", "shortcuts"
  std::string path;
  Verdict verdict = Verdict::Unchecked;
  std::string detail;  // what was found
  std::string advice;  // what the user can do; empty when nothing
};

struct Diagnosis {
  std::string session;  // "x11" or "wayland"
  std::string desktop;
  bool running = false;
  std::vector<Check> checks;
  // 0 when the program runs and no check failed, else 1.
  int ExitStatus() const;
};

Diagnosis Diagnose(const SessionFacts& facts);
// Whether a compositor's configuration text runs `corvinade-tool do` (as
// the lines `corvinade-tool keys` prints do, quoted or not).
bool BindsToolDo(const std::string& config);
std::string DiagnosisText(const Diagnosis& diagnosis);
// Keys: session, desktop, running, ok, checks.{capture,paste,target,shortcuts}.{path,status,detail,advice}.
nlohmann::ordered_json DiagnosisJson(const Diagnosis& diagnosis);

}  // namespace cvd
