#include "tools/DoctorSession.h"

#include <unistd.h>
#include <wayland-client.h>

#include <array>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <random>
#include <sstream>
#include <thread>

#include <nlohmann/json.hpp>

#include "core/app/Instance.h"
#include "platform/wayland/DataControlOwner.h"
#include "platform/wayland/WaylandGlobals.h"
#include "platform/x11/SelectionOwner.h"

namespace cvd::tool {

namespace {

constexpr int kProbeWaitMs = 3000;
constexpr int kProbeStepMs = 50;

// A command's standard output, or nothing when it could not run or failed.
std::optional<std::string> Output(const std::string& command) {
  FILE* pipe = popen((command + " 2>/dev/null").c_str(), "r");
  if (!pipe) return std::nullopt;
  std::string text;
  std::array<char, 4096> buffer;
  for (std::size_t got; (got = std::fread(buffer.data(), 1, buffer.size(), pipe)) > 0;) text.append(buffer.data(), got);
  return pclose(pipe) == 0 ? std::optional(text) : std::nullopt;
}

std::string Env(const char* name) {
  const char* value = std::getenv(name);
  return value ? value : "";
}

void LookAtCompositor(SessionFacts& facts) {
  if (Env("WAYLAND_DISPLAY").empty()) return;
  wl_display* display = wl_display_connect(nullptr);
  if (!display) return;
  facts.wayland = true;
  wl_registry* registry = nullptr;
  wayland::Globals globals;
  wayland::BindGlobals(display, registry, globals);
  facts.dataControl = globals.seat ? globals.dataControlName : "";
  facts.virtualKeyboard = globals.seat && globals.virtualKeyboards;
  facts.toplevels = globals.toplevels != nullptr;
  wayland::DestroyGlobals(registry, globals);
  wl_display_disconnect(display);
}

// The portal's interface answers its version property when it is there.
// Without a session bus there is no portal (and no bus is started for it).
bool HasPortal(const std::string& interface) {
  const bool bus = !Env("DBUS_SESSION_BUS_ADDRESS").empty() ||
                   (!Env("XDG_RUNTIME_DIR").empty() && access((Env("XDG_RUNTIME_DIR") + "/bus").c_str(), F_OK) == 0);
  return bus && Output(
                    "dbus-send --session --print-reply --reply-timeout=2000 --dest=org.freedesktop.portal.Desktop "
                    "/org/freedesktop/portal/desktop org.freedesktop.DBus.Properties.Get "
                    "string:org.freedesktop.portal." +
                    interface + " string:version")
                    .has_value();
}

// The compositor's configuration as far as it can be read.
std::optional<std::string> CompositorConfig(const std::string& desktop) {
  const std::string home = Env("HOME");
  const std::string config = Env("XDG_CONFIG_HOME").empty() ? home + "/.config" : Env("XDG_CONFIG_HOME");
  if (desktop.find("sway") != std::string::npos) {
    const auto reply = Output("swaymsg -r -t get_config");
    if (!reply) return std::nullopt;
    const auto json = nlohmann::json::parse(*reply, nullptr, false);
    if (!json.is_object() || !json.contains("config") || !json["config"].is_string()) return std::nullopt;
    return json["config"].get<std::string>();
  }
  if (desktop.find("Hyprland") != std::string::npos) return Output("hyprctl binds");
  if (desktop.find("labwc") != std::string::npos) {
    std::ifstream file(config + "/labwc/rc.xml");
    if (!file) return std::nullopt;
    std::ostringstream text;
    text << file.rdbuf();
    return text.str();
  }
  return std::nullopt;
}

std::string Token() {
  std::random_device random;
  std::ostringstream token;
  token << "corvinade-doctor-" << getpid() << "-" << std::hex << random() << random();
  return token.str();
}

bool Seen(const std::string& token) {
  for (int waited = 0; waited < kProbeWaitMs; waited += kProbeStepMs) {
    const auto answer = SendInstanceRequest(kRequestProbeSeen + token, 2000);
    if (!answer) return false;
    if (answer->rfind(kAnswerSeen, 0) == 0) return true;
    std::this_thread::sleep_for(std::chrono::milliseconds(kProbeStepMs));
  }
  return false;
}

}  // namespace

void LookAtSession(SessionFacts& facts) {
  facts.desktop = Env("XDG_CURRENT_DESKTOP");
  LookAtCompositor(facts);
  if (!facts.wayland) return;
  facts.remoteDesktopPortal = !facts.virtualKeyboard && HasPortal("RemoteDesktop");
  facts.globalShortcutsPortal = HasPortal("GlobalShortcuts");
  if (const auto config = CompositorConfig(facts.desktop))
    facts.bindings = BindsToolDo(*config) ? BindingsFound::Yes : BindingsFound::No;
}

bool AskProgram(SessionFacts& facts) {
  const auto answer = SendInstanceRequest(kRequestState, 5000);
  if (!answer) return false;
  const auto state = nlohmann::json::parse(*answer, nullptr, false);
  if (!state.is_object()) return false;
  ProgramFacts program;
  const auto text = [](const nlohmann::json& json, const char* key, const std::string& otherwise) {
    return json.is_object() && json.contains(key) && json[key].is_string() ? json[key].get<std::string>() : otherwise;
  };
  const nlohmann::json platform = state.value("platform", nlohmann::json::object());
  program.paths.capture = text(platform, "capture", "x11");
  program.paths.paste = text(platform, "paste", "x11");
  program.paths.keys = text(platform, "keys", "x11");
  program.paths.windows = text(platform, "windows", "x11");
  program.paths.shortcuts = text(platform, "shortcuts", "x11");
  program.paused = state.value("paused", false);
  const nlohmann::json shortcuts = state.value("shortcuts", nlohmann::json::object());
  program.shortcutsEnabled = shortcuts.value("enabled", true);
  const nlohmann::json assigned = shortcuts.value("assigned", nlohmann::json::object());
  program.triggersAssigned = assigned.is_object() ? static_cast<int>(assigned.size()) : 0;
  const nlohmann::json target = state.value("LastTarget", nlohmann::json::object());
  if (target.is_object() && target.contains("title") && target["title"].is_string())
    program.target = target["title"].get<std::string>();
  facts.program = std::move(program);
  return true;
}

void ProbeCapture(SessionFacts& facts) {
  const std::string token = Token();
  const auto armed = SendInstanceRequest(kRequestProbe + token, 5000);
  if (!armed || armed->rfind("ok", 0) != 0) return;
  // Each owner serves the text from a thread of its own until the program
  // puts the clipboard's text of before back.
  std::unique_ptr<wayland::DataControlOwner> waylandOwner;
  std::unique_ptr<x11::SelectionOwner> x11Owner;
  if (!facts.dataControl.empty()) {
    waylandOwner = std::make_unique<wayland::DataControlOwner>();
    if (waylandOwner->Ok() && waylandOwner->Own(token)) facts.copiedVia = "wayland";
  }
  if (facts.copiedVia.empty() && !Env("DISPLAY").empty()) {
    x11Owner = std::make_unique<x11::SelectionOwner>();
    if (x11Owner->Ok() && x11Owner->Own(token)) facts.copiedVia = "x11";
  }
  if (facts.copiedVia.empty()) {
    facts.capture = ProbeResult::NoCopy;
  } else {
    facts.capture = Seen(token) ? ProbeResult::Seen : ProbeResult::NotSeen;
  }
  SendInstanceRequest(kRequestProbeEnd + token, 5000);
}

}  // namespace cvd::tool
