#include "core/shortcuts/CompositorBindings.h"

#include <array>
#include <cctype>

#include "core/shortcuts/KeyValue.h"

namespace cvd {
namespace {

// `text` as one word of a POSIX shell.
std::string ShellQuoted(const std::string& text) {
  std::string quoted = "'";
  for (char c : text) quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
  return quoted + "'";
}

// sway hands a command in double quotes to the shell as it stands, but ends
// the quotes at any double quote: the shell makes those with printf.
std::string SwayCommand(const std::string& shellCommand) {
  std::string command = "\"";
  for (char c : shellCommand) command += c == '"' ? std::string("'$(printf '\\042')'") : std::string(1, c);
  return command + "\"";
}

std::string XmlEscaped(const std::string& text) {
  std::string escaped;
  for (char c : text) {
    switch (c) {
      case '&': escaped += "&amp;"; break;
      case '<': escaped += "&lt;"; break;
      case '>': escaped += "&gt;"; break;
      case '"': escaped += "&quot;"; break;
      default: escaped += c;
    }
  }
  return escaped;
}

// A key value's modifiers, named in one compositor's syntax (given in the
// order Alt, Ctrl, Shift, Super), and its key by its keysym: letters in
// lower case, digits and F-keys as the setup page names them.
struct Combo {
  std::vector<std::string> modifiers;
  std::string key;
};

Combo ComboOf(int value, const std::array<const char*, 4>& names) {
  Combo combo;
  const int bits[4] = {hkAlt, hkCtrl, hkShift, hkSuper};
  for (int i = 0; i < 4; ++i)
    if (KeyValueModifiers(value) & bits[i]) combo.modifiers.emplace_back(names[i]);
  combo.key = KeyCodeToName(KeyValueCode(value));
  if (combo.key.size() == 1) combo.key[0] = static_cast<char>(std::tolower(static_cast<unsigned char>(combo.key[0])));
  return combo;
}

std::string Joined(const std::vector<std::string>& parts, const char* joiner) {
  std::string joined;
  for (const std::string& part : parts) joined += (joined.empty() ? "" : joiner) + part;
  return joined;
}

// "Mod1+Ctrl+a", or the key alone.
std::string WithKey(const Combo& combo, const char* joiner) {
  return combo.modifiers.empty() ? combo.key : Joined(combo.modifiers, joiner) + joiner + combo.key;
}

}  // namespace

std::optional<Compositor> CompositorOfName(const std::string& name) {
  if (name == "sway") return Compositor::Sway;
  if (name == "hyprland") return Compositor::Hyprland;
  if (name == "labwc") return Compositor::Labwc;
  if (name == "river") return Compositor::River;
  return std::nullopt;
}

const char* CompositorNames() { return "sway|hyprland|labwc|river"; }

std::vector<BoundFunction> BoundFunctions(const Settings& settings) {
  std::vector<BoundFunction> functions;
  for (int row = 0; row < kNumFixedHotKeys; ++row) {
    const int value = CheckedKeyValue(settings.FixedHotKeys[row]);
    if (value != 0) functions.push_back({kFixedHotKeys[row].label, value});
  }
  for (std::size_t i = 0; i < settings.QuickFixHotKeys.size(); ++i) {
    const int value = CheckedKeyValue(settings.QuickFixHotKeys[i]);
    const std::string name = settings.QuickFixes.Name(static_cast<int>(i));
    if (value != 0 && !name.empty()) functions.push_back({name, value});
  }
  return functions;
}

std::string CompositorBindings(Compositor compositor, const std::vector<BoundFunction>& functions,
                               const std::string& tool) {
  std::string out;
  const char* comment = compositor == Compositor::Labwc ? "<!-- " : "# ";
  const char* commentEnd = compositor == Compositor::Labwc ? " -->\n" : "\n";
  out += std::string(comment) + "Corvinade's shortcut keys (made by corvinade-tool keys)" + commentEnd;
  if (compositor == Compositor::River) out += "# (lines of river's init script)\n";
  if (compositor == Compositor::Labwc) out += "<!-- (inside <keyboard> of rc.xml) -->\n";
  for (const BoundFunction& function : functions) {
    const std::string command = ShellQuoted(tool) + " do " + ShellQuoted(function.name);
    switch (compositor) {
      case Compositor::Sway:
        out += "bindsym " + WithKey(ComboOf(function.keyValue, {"Mod1", "Ctrl", "Shift", "Mod4"}), "+") + " exec " +
               SwayCommand(command) + "\n";
        break;
      case Compositor::Hyprland: {
        const Combo combo = ComboOf(function.keyValue, {"ALT", "CTRL", "SHIFT", "SUPER"});
        out += "bind = " + Joined(combo.modifiers, " ") + ", " + combo.key + ", exec, " + command + "\n";
        break;
      }
      case Compositor::Labwc:
        out += "<keybind key=\"" + WithKey(ComboOf(function.keyValue, {"A", "C", "S", "W"}), "-") +
               "\"><action name=\"Execute\" command=\"" + XmlEscaped(command) + "\"/></keybind>\n";
        break;
      case Compositor::River: {
        const Combo combo = ComboOf(function.keyValue, {"Alt", "Control", "Shift", "Super"});
        const std::string modifiers = combo.modifiers.empty() ? "None" : Joined(combo.modifiers, "+");
        out += "riverctl map normal " + modifiers + " " + combo.key + " spawn " + ShellQuoted(command) + "\n";
        break;
      }
    }
  }
  return out;
}

}  // namespace cvd
