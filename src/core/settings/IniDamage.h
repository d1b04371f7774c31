#pragma once
// Telling a damaged settings file from one a person edited: comments, blank
// lines, unknown sections and keys are fine; bytes that are not text, lines
// that are neither a section, a key nor a comment, keys in front of the first
// section and absurdly long lines are damage.
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace cvd {

// No value this program writes comes near this.
inline constexpr std::size_t kMaxIniLineBytes = 64 * 1024;

// Why `text` is not a settings file, in words for the user; nothing when it
// reads as one.
std::optional<std::string> IniTextDamage(std::string_view text);

// What can be read of a damaged file, such that values read from it are
// written back clean: control bytes become blanks, bytes that are not UTF-8
// become U+FFFD, and overlong lines go.
std::string CleanedIniText(std::string_view text);

}  // namespace cvd
