#include "core/settings/IniDamage.h"

#include <algorithm>

#include "core/util/Text.h"

namespace cvd {
namespace {

bool IsControl(unsigned char c) { return (c < 0x20 && c != '\t' && c != '\r' && c != '\n') || c == 0x7F; }

std::string_view Trimmed(std::string_view line) {
  const auto first = line.find_first_not_of(" \t\r");
  if (first == std::string_view::npos) return {};
  return line.substr(first, line.find_last_not_of(" \t\r") - first + 1);
}

std::string OnLine(std::size_t number, const char* what) { return "line " + std::to_string(number) + " " + what; }

}  // namespace

std::optional<std::string> IniTextDamage(std::string_view text) {
  if (text.starts_with("\xEF\xBB\xBF")) text.remove_prefix(3);
  if (std::any_of(text.begin(), text.end(), [](char c) { return IsControl(static_cast<unsigned char>(c)); }))
    return "it holds bytes that are not text";
  if (ValidUtf8(text) != text) return "it is not UTF-8 text";
  bool inSection = false;
  std::size_t number = 0;
  for (std::size_t pos = 0; pos < text.size();) {
    const std::size_t end = std::min(text.find('\n', pos), text.size());
    const std::string_view raw = text.substr(pos, end - pos);
    const std::string_view line = Trimmed(raw);
    pos = end + 1;
    ++number;
    if (raw.size() > kMaxIniLineBytes) return OnLine(number, "is too long");
    if (line.empty() || line.front() == ';' || line.front() == '#') continue;
    if (line.front() == '[') {
      if (line.find(']') == std::string_view::npos) return OnLine(number, "is a damaged section name");
      inSection = true;
      continue;
    }
    if (line.find('=') == std::string_view::npos) return OnLine(number, "is neither a section, a key nor a comment");
    if (!inSection) return OnLine(number, "stands in front of the first section");
  }
  return std::nullopt;
}

std::string CleanedIniText(std::string_view text) {
  std::string valid = ValidUtf8(text);
  for (char& c : valid) {
    if (IsControl(static_cast<unsigned char>(c))) c = ' ';
  }
  std::string out;
  out.reserve(valid.size());
  for (std::size_t pos = 0; pos < valid.size();) {
    const std::size_t end = std::min(valid.find('\n', pos), valid.size());
    if (end - pos <= kMaxIniLineBytes) out.append(valid, pos, end - pos).append("\n");
    pos = end + 1;
  }
  return out;
}

}  // namespace cvd
