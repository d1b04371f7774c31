#pragma once
// Which copies are never kept: those a password manager marks as secret, and
// those made in a program the user listed (password managers by default).
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace cvd {

// Password managers on Linux offer this extra type (an X11 target, a
// Wayland MIME type) beside the text of a copied secret; its content is
// "secret".
inline constexpr const char* kPasswordManagerHint = "x-kde-passwordManagerHint";

// Reads what the clipboard offers as `type`; nothing when it cannot.
using OfferReader = std::function<std::optional<std::string>(const std::string& type)>;

// Whether a copy offering `types` is marked secret. The hint's content is
// read only when the hint is offered; a hint whose content cannot be read
// counts as secret (a password must not slip in because its owner was slow).
bool MarkedSecret(const std::vector<std::string>& types, const OfferReader& read);

struct PrivacySettings {
  // Window classes (X11 WM_CLASS, either part; Wayland app_id) whose copies
  // are never kept.
  std::vector<std::string> IgnoredPrograms = DefaultIgnoredPrograms();
  // How long "Pause Clipboard History" lasts; 0 until the user resumes.
  int PauseMinutes = 5;
  bool operator==(const PrivacySettings&) const = default;

  // The common password and key managers.
  static std::vector<std::string> DefaultIgnoredPrograms();
};

// The list holds at most this many classes.
inline constexpr int kMaxIgnoredPrograms = 200;
// A pause lasts at most a day.
inline constexpr int kMaxPauseMinutes = 1440;

// Whether one of `classes` (the parts of a window's class) is in `list`,
// ignoring ASCII case.
bool IsIgnoredProgram(const std::vector<std::string>& list, const std::vector<std::string>& classes);

// The list as the setup dialog edits it: one class per line.
std::string ProgramListText(const std::vector<std::string>& list);
// Lines back to a list: blanks trimmed, empty lines and repeats dropped,
// cut to kMaxIgnoredPrograms.
std::vector<std::string> ProgramListOf(std::string_view text);

}  // namespace cvd
