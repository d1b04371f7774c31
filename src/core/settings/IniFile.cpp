#include "core/settings/IniFile.h"

#include <SimpleIni.h>

#include "core/util/AtomicFile.h"
#include "core/util/Files.h"

namespace cvd {
namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

// A value must stay on its line, and blanks at its ends would be trimmed on
// reading: such values are written in double quotes, as are values that
// already start and end with one, so every value reads back as written.
std::string EncodeValue(const std::string& value) {
  std::string line = value;
  for (char& c : line) {
    if (c == '\r' || c == '\n' || c == '\0') c = ' ';
  }
  const bool quote = !line.empty() && (IsBlank(line.front()) || IsBlank(line.back()) ||
                                       (line.size() >= 2 && line.front() == '"' && line.back() == '"'));
  return quote ? '"' + line + '"' : line;
}

std::string DecodeValue(const char* stored) {
  std::string value = stored;
  if (value.size() >= 2 && value.front() == '"' && value.back() == '"') value = value.substr(1, value.size() - 2);
  return value;
}

// Keys are trimmed by the reader and cannot hold line breaks.
std::string KeyName(const std::string& key) {
  std::string name = key;
  for (char& c : name) {
    if (c == '\r' || c == '\n' || c == '\0') c = ' ';
  }
  std::size_t first = 0, last = name.size();
  while (first < last && IsBlank(name[first])) ++first;
  while (last > first && IsBlank(name[last - 1])) --last;
  return name.substr(first, last - first);
}

// A section line without its closing bracket would make the reader take the
// following lines as the section's name; keep such a line as a comment.
// A NUL byte would end the reader's scan; it becomes a blank.
std::string Repaired(std::string text) {
  for (char& c : text) {
    if (c == '\0') c = ' ';
  }
  std::string out;
  out.reserve(text.size() + 16);
  std::size_t pos = 0;
  while (pos < text.size()) {
    std::size_t end = text.find_first_of("\r\n", pos);
    if (end == std::string::npos) end = text.size();
    std::size_t first = pos;
    while (first < end && IsBlank(text[first])) ++first;
    if (first < end && text[first] == '[' && text.find(']', first) >= end) out += ';';
    out.append(text, pos, end - pos);
    while (end < text.size() && (text[end] == '\r' || text[end] == '\n')) out += text[end++];
    pos = end;
  }
  return out;
}

}  // namespace

struct IniFile::Impl {
  Impl() : ini(/*isUtf8=*/true, /*multiKey=*/false, /*multiLine=*/false) {
    ini.SetSpaces(false);
    ini.SetQuotes(false);
  }
  CSimpleIniA ini;  // the case-insensitive one
};

IniFile::IniFile() : impl_(std::make_unique<Impl>()) {}
IniFile::~IniFile() = default;

bool IniFile::Load(const std::string& path) {
  impl_ = std::make_unique<Impl>();
  auto text = ReadFileUpTo(path, kMaxFileBytes);
  if (!text) return false;
  LoadFromText(std::move(*text));
  return true;
}

void IniFile::LoadFromText(std::string text) {
  impl_ = std::make_unique<Impl>();
  text = Repaired(text);
  if (impl_->ini.LoadData(text.data(), text.size()) < 0) impl_ = std::make_unique<Impl>();
}

std::string IniFile::ToText() const {
  std::string raw;
  impl_->ini.Save(raw, /*addSignature=*/false);
  // CR LF line ends, and one blank line at most between sections.
  std::string text;
  text.reserve(raw.size() + raw.size() / 16);
  bool lineEmpty = true;
  bool previousBlank = true;
  for (char c : raw) {
    if (c == '\r') continue;
    if (c != '\n') {
      text += c;
      lineEmpty = false;
      continue;
    }
    if (lineEmpty && previousBlank) continue;
    text += "\r\n";
    previousBlank = lineEmpty;
    lineEmpty = true;
  }
  return text;
}

bool IniFile::Save(const std::string& path, std::string& error) const {
  return WriteFileAtomically(path, ToText(), &error);
}

bool IniFile::HasSection(const std::string& section) const { return impl_->ini.GetSectionSize(section.c_str()) >= 0; }

std::optional<std::string> IniFile::Value(const std::string& section, const std::string& key) const {
  const char* stored = impl_->ini.GetValue(section.c_str(), KeyName(key).c_str(), nullptr);
  if (!stored) return std::nullopt;
  return DecodeValue(stored);
}

std::string IniFile::ReadString(const std::string& section, const std::string& key, const std::string& def) const {
  return Value(section, key).value_or(def);
}

int IniFile::ReadInteger(const std::string& section, const std::string& key, int def) const {
  const auto value = Value(section, key);
  if (!value) return def;
  return ParseInteger(*value).value_or(def);
}

bool IniFile::ReadBool(const std::string& section, const std::string& key, bool def) const {
  const auto value = Value(section, key);
  if (!value) return def;
  return ParseFlag(*value).value_or(def);
}

TColor IniFile::ReadColor(const std::string& section, const std::string& key, TColor def) const {
  const auto value = Value(section, key);
  if (!value) return def;
  return StringToColor(*value).value_or(def);
}

TimeOfDay IniFile::ReadTime(const std::string& section, const std::string& key, const TimeOfDay& def) const {
  const auto value = Value(section, key);
  if (!value) return def;
  return ParseTimeOfDay(*value).value_or(def);
}

void IniFile::EraseSection(const std::string& section) { impl_->ini.Delete(section.c_str(), nullptr); }

void IniFile::WriteString(const std::string& section, const std::string& key, const std::string& value) {
  impl_->ini.SetValue(section.c_str(), KeyName(key).c_str(), EncodeValue(value).c_str());
}

}  // namespace cvd
