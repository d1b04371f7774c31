// corvinade-tool doctor's verdicts: session facts and self-test results in,
// one verdict, path and piece of advice per function out.
#include <gtest/gtest.h>

#include "core/doctor/Diagnosis.h"

namespace cvd {
namespace {

constexpr const char* kDataControl = "ext_data_control_manager_v1";
constexpr const char* kKeyboard = "wayland:zwp_virtual_keyboard_manager_v1";
constexpr const char* kToplevels = "wayland:zwlr_foreign_toplevel_manager_v1";
constexpr const char* kShortcutsPortal = "portal:org.freedesktop.portal.GlobalShortcuts";

ProgramFacts Running(const std::string& capture, const std::string& keys, const std::string& windows) {
  ProgramFacts program;
  program.paths = {.capture = capture, .paste = capture, .keys = keys, .windows = windows};
  program.target = "Terminal";
  return program;
}

SessionFacts X11Session() {
  SessionFacts facts;
  facts.program = Running("x11", "x11", "x11");
  facts.capture = ProbeResult::Seen;
  facts.copiedVia = "x11";
  return facts;
}

SessionFacts Wayland(const std::string& desktop, bool dataControl, bool keyboard, bool toplevels) {
  SessionFacts facts;
  facts.wayland = true;
  facts.desktop = desktop;
  facts.dataControl = dataControl ? kDataControl : "";
  facts.virtualKeyboard = keyboard;
  facts.toplevels = toplevels;
  facts.program = Running(dataControl ? std::string("wayland:") + kDataControl : "x11", keyboard ? kKeyboard : "x11",
                          toplevels ? kToplevels : "x11");
  facts.capture = ProbeResult::Seen;
  facts.copiedVia = dataControl ? "wayland" : "x11";
  return facts;
}

template <typename Change>
SessionFacts With(SessionFacts facts, Change change) {
  change(facts);
  return facts;
}

struct Expected {
  Verdict verdict;
  std::string path;
  std::string advice;  // a part of the advice; empty: none at all
};

TEST(DiagnosisTest, EachFunctionsVerdictPathAndAdvice) {
  using V = Verdict;
  const std::string wlDc = std::string("wayland:") + kDataControl;
  struct Case {
    const char* name;
    SessionFacts facts;
    Expected capture, paste, target, shortcuts;
    int exit;
  } cases[] = {
      {"X11, everything works",
       X11Session(),
       {V::Works, "x11", ""},
       {V::Works, "x11", ""},
       {V::Works, "x11", ""},
       {V::Works, "x11", ""},
       0},
      {"X11, not running",
       With(X11Session(),
            [](SessionFacts& f) {
              f.program.reset();
              f.capture = ProbeResult::NotRun;
            }),
       {V::Unchecked, "x11", ""},
       {V::Unchecked, "x11", ""},
       {V::Unchecked, "x11", ""},
       {V::Unchecked, "x11", ""},
       1},
      {"X11, the copy never arrives",
       With(X11Session(), [](SessionFacts& f) { f.capture = ProbeResult::NotSeen; }),
       {V::Fails, "x11", "corvinade.clipboard"},
       {V::Works, "x11", ""},
       {V::Works, "x11", ""},
       {V::Works, "x11", ""},
       1},
      {"X11, paused",
       With(X11Session(),
            [](SessionFacts& f) {
              f.program->paused = true;
              f.capture = ProbeResult::NotSeen;
            }),
       {V::Fails, "x11", "Pause Clipboard History"},
       {V::Works, "x11", ""},
       {V::Works, "x11", ""},
       {V::Works, "x11", ""},
       1},
      {"X11, no window yet, keys off",
       With(X11Session(),
            [](SessionFacts& f) {
              f.program->target.reset();
              f.program->shortcutsEnabled = false;
            }),
       {V::Works, "x11", ""},
       {V::Works, "x11", ""},
       {V::Unchecked, "x11", "Click into a window"},
       {V::Unchecked, "x11", ""},
       0},
      {"sway with its bindings",
       With(Wayland("sway", true, true, true), [](SessionFacts& f) { f.bindings = BindingsFound::Yes; }),
       {V::Works, wlDc, ""},
       {V::Works, kKeyboard, ""},
       {V::Works, kToplevels, ""},
       {V::Works, "compositor", ""},
       0},
      {"sway without bindings",
       With(Wayland("sway", true, true, true), [](SessionFacts& f) { f.bindings = BindingsFound::No; }),
       {V::Works, wlDc, ""},
       {V::Works, kKeyboard, ""},
       {V::Works, kToplevels, ""},
       {V::Fails, "compositor", "corvinade-tool keys sway"},
       1},
      {"Hyprland not running: what it would use",
       With(Wayland("Hyprland", true, true, true),
            [](SessionFacts& f) {
              f.program.reset();
              f.capture = ProbeResult::NotRun;
            }),
       {V::Unchecked, wlDc, ""},
       {V::Unchecked, kKeyboard, ""},
       {V::Unchecked, kToplevels, ""},
       {V::Unchecked, "compositor", "corvinade-tool keys hyprland"},
       1},
      {"GNOME: capture through X11, paste through the portal",
       With(Wayland("ubuntu:GNOME", false, false, false), [](SessionFacts& f) { f.remoteDesktopPortal = true; }),
       {V::Works, "x11", ""},
       {V::Unchecked, "portal", "asks once"},
       {V::Fails, "x11", "has the focus"},
       {V::Unchecked, "desktop", "corvinade-tool do"},
       1},
      {"KDE without the portal",
       Wayland("KDE", true, false, false),
       {V::Works, wlDc, ""},
       {V::Fails, "x11", "press Ctrl+V yourself"},
       {V::Fails, "x11", "has the focus"},
       {V::Unchecked, "desktop", "keyboard settings"},
       1},
      {"another compositor without data-control: an X11 copy proves nothing",
       Wayland("weston", false, true, true),
       {V::Unchecked, "x11", "no data-control"},
       {V::Works, kKeyboard, ""},
       {V::Works, kToplevels, ""},
       {V::Unchecked, "compositor", "corvinade-tool keys sway"},
       0},
      {"the program already types through the portal",
       With(Wayland("GNOME", false, false, false), [](SessionFacts& f) { f.program->paths.keys = "portal:remote"; }),
       {V::Works, "x11", ""},
       {V::Unchecked, "portal:remote", "asks once"},
       {V::Fails, "x11", ""},
       {V::Unchecked, "desktop", ""},
       1},
      {"KDE Plasma assigned the keys through its portal",
       With(Wayland("KDE", true, false, false),
            [](SessionFacts& f) {
              f.program->paths.keys = "portal:remote";
              f.program->paths.shortcuts = kShortcutsPortal;
              f.program->triggersAssigned = 3;
            }),
       {V::Works, wlDc, ""},
       {V::Unchecked, "portal:remote", "asks once"},
       {V::Fails, "x11", "has the focus"},
       {V::Works, kShortcutsPortal, ""},
       1},
      {"the portal assigned no key",
       With(Wayland("GNOME", false, false, false),
            [](SessionFacts& f) {
              f.remoteDesktopPortal = true;
              f.program->paths.shortcuts = kShortcutsPortal;
            }),
       {V::Works, "x11", ""},
       {V::Unchecked, "portal", "asks once"},
       {V::Fails, "x11", "has the focus"},
       {V::Fails, kShortcutsPortal, "desktop's shortcut settings"},
       1},
      {"not running where the desktop offers the portal",
       With(Wayland("GNOME", false, false, false),
            [](SessionFacts& f) {
              f.program.reset();
              f.capture = ProbeResult::NotRun;
              f.globalShortcutsPortal = true;
            }),
       {V::Unchecked, "x11", ""},
       {V::Fails, "x11", "press Ctrl+V yourself"},
       {V::Fails, "x11", "has the focus"},
       {V::Unchecked, kShortcutsPortal, ""},
       1},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const Diagnosis diagnosis = Diagnose(c.facts);
    ASSERT_EQ(diagnosis.checks.size(), 4u);
    const Expected* expected[] = {&c.capture, &c.paste, &c.target, &c.shortcuts};
    const char* names[] = {"capture", "paste", "target", "shortcuts"};
    for (int i = 0; i < 4; ++i) {
      SCOPED_TRACE(names[i]);
      const Check& check = diagnosis.checks[i];
      EXPECT_EQ(check.name, names[i]);
      EXPECT_EQ(check.verdict, expected[i]->verdict);
      EXPECT_EQ(check.path, expected[i]->path);
      if (expected[i]->advice.empty() && expected[i]->verdict == Verdict::Works) {
        EXPECT_EQ(check.advice, "");
      } else {
        EXPECT_NE(check.advice.find(expected[i]->advice), std::string::npos) << check.advice;
      }
      // A failure always says what to do.
      if (check.verdict == Verdict::Fails) {
        EXPECT_NE(check.advice, "");
      }
    }
    EXPECT_EQ(diagnosis.ExitStatus(), c.exit);
    const nlohmann::ordered_json json = DiagnosisJson(diagnosis);
    EXPECT_EQ(json["ok"], c.exit == 0);
    EXPECT_EQ(json["checks"]["paste"]["path"], c.paste.path);
  }
}

TEST(DiagnosisTest, TheBindingsOfTheKeysCommandAreFound) {
  struct Case {
    const char* config;
    bool found;
  } cases[] = {
      {"bindsym Mod1+s exec \"'/usr/bin/corvinade-tool' do 'Show button window'\"", true},
      {"bind = ALT, S, exec, corvinade-tool do \"Show button window\"", true},
      {R"(riverctl map normal Alt s spawn ''\''/usr/bin/corvinade-tool'\'' do '\''Show button window'\''')", true},
      {"# Corvinade's shortcut keys (made by corvinade-tool keys)", false},
      {"bindsym Mod1+s exec corvinade-tool state", false},
      {"", false},
  };
  for (const Case& c : cases) EXPECT_EQ(BindsToolDo(c.config), c.found) << c.config;
}

}  // namespace
}  // namespace cvd
