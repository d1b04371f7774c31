#include "core/privacy/PrivacyRules.h"

#include <algorithm>

#include "core/util/Text.h"

namespace cvd {

bool MarkedSecret(const std::vector<std::string>& types, const OfferReader& read) {
  if (std::find(types.begin(), types.end(), kPasswordManagerHint) == types.end()) return false;
  const std::optional<std::string> value = read ? read(kPasswordManagerHint) : std::nullopt;
  if (!value) return true;
  // Some owners end the value with a line break or a zero byte.
  std::string_view text = *value;
  while (!text.empty() && (text.back() == '\0' || text.back() == '\n' || text.back() == '\r')) text.remove_suffix(1);
  return text == "secret";
}

std::vector<std::string> PrivacySettings::DefaultIgnoredPrograms() {
  // WM_CLASS names (either part matches) and Wayland app ids.
  return {"KeePassXC",
          "org.keepassxc.KeePassXC",
          "KeePass2",
          "KeePass",
          "Bitwarden",
          "1Password",
          "Enpass",
          "seahorse",
          "org.gnome.seahorse.Application",
          "org.gnome.World.Secrets",
          "secrets",
          "org.gnome.PasswordSafe",
          "kwalletmanager5",
          "org.kde.kwalletmanager5",
          "kwalletmanager"};
}

bool IsIgnoredProgram(const std::vector<std::string>& list, const std::vector<std::string>& classes) {
  return std::any_of(classes.begin(), classes.end(), [&](const std::string& part) {
    return !part.empty() &&
           std::any_of(list.begin(), list.end(), [&](const std::string& c) { return SameTextAscii(c, part); });
  });
}

std::string ProgramListText(const std::vector<std::string>& list) {
  std::string text;
  for (const std::string& name : list) text += name + "\n";
  return text;
}

std::vector<std::string> ProgramListOf(std::string_view text) {
  std::vector<std::string> list;
  while (!text.empty() && static_cast<int>(list.size()) < kMaxIgnoredPrograms) {
    const std::size_t end = text.find('\n');
    std::string_view line = text.substr(0, end);
    const std::size_t first = line.find_first_not_of(" \t\r");
    line = first == std::string_view::npos ? std::string_view()
                                           : line.substr(first, line.find_last_not_of(" \t\r") - first + 1);
    const std::string name(line);
    text = end == std::string_view::npos ? std::string_view() : text.substr(end + 1);
    if (name.empty() || IsIgnoredProgram(list, {name})) continue;
    list.push_back(name);
  }
  return list;
}

}  // namespace cvd
