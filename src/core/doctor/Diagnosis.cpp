#include "core/doctor/Diagnosis.h"

#include <algorithm>
#include <cctype>
#include <sstream>
#include <string_view>

#include "core/shortcuts/CompositorBindings.h"

namespace cvd {

namespace {

enum class DesktopKind { Gnome, Kde, Wlroots, Other };

struct Desktop {
  DesktopKind kind = DesktopKind::Other;
  std::string name;  // the wlroots compositor's name for `corvinade-tool keys`
};

// $XDG_CURRENT_DESKTOP is a colon-separated list, e.g. "ubuntu:GNOME".
Desktop DesktopOf(const std::string& current) {
  std::istringstream names(current);
  for (std::string name; std::getline(names, name, ':');) {
    std::transform(name.begin(), name.end(), name.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    if (name == "gnome") return {DesktopKind::Gnome, name};
    if (name == "kde") return {DesktopKind::Kde, name};
    if (CompositorOfName(name)) return {DesktopKind::Wlroots, name};
  }
  return {};
}

constexpr const char* kNotRunning = "not tried: Corvinade is not running";

Check CaptureCheck(const SessionFacts& facts, const Desktop& desktop) {
  Check check{.name = "capture"};
  check.path = facts.program ? facts.program->paths.capture
                             : (facts.wayland && !facts.dataControl.empty() ? "wayland:" + facts.dataControl : "x11");
  // GNOME hands every copy to X11 clients; elsewhere copies in Wayland
  // windows need data-control.
  const bool waylandCopiesMissed = facts.wayland && check.path == "x11" && desktop.kind != DesktopKind::Gnome;
  if (waylandCopiesMissed)
    check.advice =
        "This desktop gives other programs no access to its clipboard (no data-control protocol): copies made in "
        "Wayland windows reach Corvinade only while an X11 window has the focus.";
  if (!facts.program) {
    check.detail = kNotRunning;
    return check;
  }
  if (facts.program->paused) {
    check.verdict = Verdict::Fails;
    check.detail = "capture is paused";
    check.advice = "Resume it: corvinade-tool do \"Pause Clipboard History\" (or its key) turns the pause off.";
    return check;
  }
  switch (facts.capture) {
    case ProbeResult::NotRun:
      check.detail = "not tried: the running Corvinade does not know the test (restart it after an update)";
      break;
    case ProbeResult::NoCopy: check.detail = "not tried: the doctor could not put a text on the clipboard"; break;
    case ProbeResult::Seen:
      // An X11 copy proves nothing about copies in Wayland windows there.
      check.verdict = waylandCopiesMissed ? Verdict::Unchecked : Verdict::Works;
      check.detail = "a test copy (through " + facts.copiedVia + ") was captured and not kept";
      break;
    case ProbeResult::NotSeen:
      check.verdict = Verdict::Fails;
      check.detail = "a test copy (through " + facts.copiedVia + ") never reached Corvinade";
      if (!waylandCopiesMissed)
        check.advice = "Run Corvinade from a terminal and look for \"corvinade.clipboard\" lines.";
      break;
  }
  return check;
}

Check PasteCheck(const SessionFacts& facts) {
  Check check{.name = "paste"};
  std::string keys = facts.program
                         ? facts.program->paths.keys
                         : (facts.wayland && facts.virtualKeyboard ? "wayland:zwp_virtual_keyboard_manager_v1" : "x11");
  // Keys sent on XWayland reach X11 windows only; the desktop's portal
  // types into any window once the user allowed it.
  const bool x11KeysInWayland = facts.wayland && keys == "x11";
  if (x11KeysInWayland && facts.remoteDesktopPortal) keys = "portal";
  check.path = keys;
  if (keys.rfind("portal", 0) == 0) {
    check.detail = "keys go through the desktop's RemoteDesktop portal";
    check.advice =
        "The desktop asks once whether Corvinade may type into other windows: allow it. Until then a click puts "
        "the text on the clipboard and you press Ctrl+V yourself.";
  } else if (x11KeysInWayland) {
    check.verdict = Verdict::Fails;
    check.detail = "keys reach X11 windows only (no virtual keyboard, no RemoteDesktop portal)";
    check.advice = "In Wayland windows a click puts the text on the clipboard: press Ctrl+V yourself.";
  } else if (!facts.program) {
    check.detail = kNotRunning;
  } else {
    check.verdict = Verdict::Works;
    check.detail = "not tried: it would type into your window";
  }
  return check;
}

Check TargetCheck(const SessionFacts& facts) {
  Check check{.name = "target"};
  check.path = facts.program ? facts.program->paths.windows
                             : (facts.wayland && facts.toplevels ? "wayland:zwlr_foreign_toplevel_manager_v1" : "x11");
  if (facts.wayland && check.path == "x11") {
    check.verdict = Verdict::Fails;
    check.detail = "the active Wayland window is unknown (no foreign-toplevel protocol)";
    check.advice = "Pastes go to the window that has the focus; groups and paste methods follow X11 windows only.";
  } else if (!facts.program) {
    check.detail = kNotRunning;
  } else if (facts.program->target) {
    check.verdict = Verdict::Works;
    check.detail = "pastes go to \"" + *facts.program->target + "\"";
  } else {
    check.detail = "no window was active since Corvinade started";
    check.advice = "Click into a window, then run the doctor again.";
  }
  return check;
}

constexpr const char* kGlobalShortcutsPortal = "portal:org.freedesktop.portal.GlobalShortcuts";

std::string ShortcutsPath(const SessionFacts& facts, const Desktop& desktop) {
  if (!facts.wayland) return "x11";
  std::string used = facts.program ? facts.program->paths.shortcuts : "";
  if (used.rfind("portal", 0) == 0) return used;
  if (!facts.program && facts.globalShortcutsPortal) return kGlobalShortcutsPortal;
  return desktop.kind == DesktopKind::Gnome || desktop.kind == DesktopKind::Kde ? "desktop" : "compositor";
}

Check ShortcutsCheck(const SessionFacts& facts, const Desktop& desktop) {
  Check check{.name = "shortcuts", .path = ShortcutsPath(facts, desktop)};
  const std::string keysCommand =
      "corvinade-tool keys " + (desktop.kind == DesktopKind::Wlroots ? desktop.name : std::string("sway"));
  constexpr const char* kBindToolDo =
      "Bind each key in the desktop's keyboard settings (custom shortcut) to the command "
      "corvinade-tool do \"NAME\", e.g. corvinade-tool do \"Paste active button\".";
  if (facts.program && !facts.program->shortcutsEnabled) {
    check.detail = "the shortcut keys are turned off in Corvinade's settings";
    return check;
  }
  if (check.path.rfind("portal", 0) == 0) {
    // The desktop has the last word: what counts is what it assigned.
    if (!facts.program) {
      check.detail = kNotRunning;
    } else if (facts.program->triggersAssigned > 0) {
      check.verdict = Verdict::Works;
      check.detail = "the desktop's GlobalShortcuts portal assigned " +
                     std::to_string(facts.program->triggersAssigned) +
                     " keys (the setup dialog's Shortcuts page shows them)";
    } else {
      check.verdict = Verdict::Fails;
      check.detail = "the desktop's GlobalShortcuts portal assigned no key";
      check.advice =
          "Give Corvinade's functions keys in the desktop's shortcut settings, or bind corvinade-tool do \"NAME\" "
          "there as a custom shortcut.";
    }
    return check;
  }
  if (check.path == "x11") {
    if (facts.program) {
      check.verdict = Verdict::Works;
      check.detail = "keys are taken on the X server";
    } else {
      check.detail = kNotRunning;
    }
  } else if (check.path == "desktop") {
    check.detail = "the desktop owns the keys";
    check.advice = kBindToolDo;
  } else {
    check.advice = "Add the output of \"" + keysCommand + "\" to the compositor's configuration and reload it.";
    if (facts.bindings == BindingsFound::Yes) {
      check.verdict = Verdict::Works;
      check.detail = "the compositor binds corvinade-tool do";
      check.advice.clear();
    } else if (facts.bindings == BindingsFound::No) {
      check.verdict = Verdict::Fails;
      check.detail = "the compositor's configuration binds no corvinade-tool do";
    } else {
      check.detail = "the compositor owns the keys; its bindings could not be read";
    }
  }
  return check;
}

constexpr std::size_t kColumn = 11;

const char* VerdictName(Verdict verdict) {
  switch (verdict) {
    case Verdict::Works: return "works";
    case Verdict::Fails: return "fails";
    case Verdict::Unchecked: break;
  }
  return "unchecked";
}

}  // namespace

int Diagnosis::ExitStatus() const {
  const bool failed =
      std::any_of(checks.begin(), checks.end(), [](const Check& check) { return check.verdict == Verdict::Fails; });
  return running && !failed ? 0 : 1;
}

Diagnosis Diagnose(const SessionFacts& facts) {
  const Desktop desktop = DesktopOf(facts.desktop);
  Diagnosis diagnosis{
      .session = facts.wayland ? "wayland" : "x11", .desktop = facts.desktop, .running = facts.program.has_value()};
  diagnosis.checks = {CaptureCheck(facts, desktop), PasteCheck(facts), TargetCheck(facts),
                      ShortcutsCheck(facts, desktop)};
  return diagnosis;
}

bool BindsToolDo(const std::string& config) {
  // Quotes, and the backslash of a shell quote within quotes (river).
  constexpr std::string_view kQuoting = "'\"\\";
  const std::string tool = "corvinade-tool";
  for (std::size_t at = config.find(tool); at != std::string::npos; at = config.find(tool, at + 1)) {
    std::size_t next = at + tool.size();
    while (next < config.size() && kQuoting.find(config[next]) != std::string_view::npos) ++next;
    if (config.compare(next, 4, " do ") == 0) return true;
  }
  return false;
}

std::string DiagnosisText(const Diagnosis& diagnosis) {
  std::string text = "Corvinade doctor: " + std::string(diagnosis.session == "wayland" ? "Wayland" : "X11") +
                     " session" + (diagnosis.desktop.empty() ? "" : " (" + diagnosis.desktop + ")") + ", " +
                     (diagnosis.running ? "Corvinade is running" : "Corvinade is not running") + "\n";
  if (!diagnosis.running) text += "Start Corvinade, then run the doctor again for the self-test.\n";
  const std::string indent(kColumn, ' ');
  for (const Check& check : diagnosis.checks) {
    std::string name = check.name;
    name.resize(kColumn, ' ');
    std::string verdict = VerdictName(check.verdict);
    verdict.resize(kColumn, ' ');
    text += name + verdict + check.path + "\n" + indent + check.detail + "\n";
    if (!check.advice.empty()) text += indent + "what to do: " + check.advice + "\n";
  }
  return text;
}

nlohmann::ordered_json DiagnosisJson(const Diagnosis& diagnosis) {
  nlohmann::ordered_json json;
  json["session"] = diagnosis.session;
  json["desktop"] = diagnosis.desktop;
  json["running"] = diagnosis.running;
  json["ok"] = diagnosis.ExitStatus() == 0;
  nlohmann::ordered_json checks = nlohmann::ordered_json::object();
  for (const Check& check : diagnosis.checks)
    checks[check.name] = {{"path", check.path},
                          {"status", VerdictName(check.verdict)},
                          {"detail", check.detail},
                          {"advice", check.advice}};
  json["checks"] = std::move(checks);
  return json;
}

}  // namespace cvd
