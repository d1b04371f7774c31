#pragma once
// An INI file held in memory: sections and keys matched without regard to
// letter case, unknown sections and keys kept, written back as "key=value"
// lines ending in CR LF.
#include <memory>
#include <optional>
#include <string>

#include "core/data/Colors.h"
#include "core/settings/IniTarget.h"
#include "core/settings/ValueForms.h"

namespace cvd {

class IniFile : public IniTarget {
 public:
  IniFile();
  ~IniFile() override;
  IniFile(const IniFile&) = delete;
  IniFile& operator=(const IniFile&) = delete;

  // Reads the file at `path`. A missing, unreadable or oversized file leaves
  // the contents empty and returns false; damaged lines are skipped.
  bool Load(const std::string& path);
  void LoadFromText(std::string text);
  std::string ToText() const;
  // Replaces the file at `path` atomically; false with `error` set on failure.
  bool Save(const std::string& path, std::string& error) const;

  bool HasSection(const std::string& section) const;
  // The stored value, or nothing when the key is missing.
  std::optional<std::string> Value(const std::string& section, const std::string& key) const;
  std::string ReadString(const std::string& section, const std::string& key, const std::string& def) const;
  int ReadInteger(const std::string& section, const std::string& key, int def) const;
  bool ReadBool(const std::string& section, const std::string& key, bool def) const;
  TColor ReadColor(const std::string& section, const std::string& key, TColor def) const;
  TimeOfDay ReadTime(const std::string& section, const std::string& key, const TimeOfDay& def) const;

  void EraseSection(const std::string& section) override;
  void WriteString(const std::string& section, const std::string& key, const std::string& value) override;

  // Larger files are not read: nothing the program writes comes near it.
  static constexpr std::size_t kMaxFileBytes = std::size_t{64} << 20;

 private:
  struct Impl;
  std::unique_ptr<Impl> impl_;
};

}  // namespace cvd
