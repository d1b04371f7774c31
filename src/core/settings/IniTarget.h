#pragma once
// Where the settings writer puts its values: the INI file itself, or the
// JSON snapshot that corvinade-tool shows under the same section and key names.
#include <string>

#include "core/data/Colors.h"
#include "core/settings/ValueForms.h"

namespace cvd {

class IniTarget {
 public:
  virtual ~IniTarget() = default;
  virtual void EraseSection(const std::string& section) = 0;
  virtual void WriteString(const std::string& section, const std::string& key, const std::string& value) = 0;
  virtual void WriteInteger(const std::string& section, const std::string& key, int value) {
    WriteString(section, key, std::to_string(value));
  }
  virtual void WriteBool(const std::string& section, const std::string& key, bool value) {
    WriteString(section, key, value ? "1" : "0");
  }
  void WriteColor(const std::string& section, const std::string& key, TColor value) {
    WriteString(section, key, ColorToString(value));
  }
  void WriteTime(const std::string& section, const std::string& key, const TimeOfDay& value) {
    WriteString(section, key, FormatTimeOfDay(value));
  }
};

}  // namespace cvd
