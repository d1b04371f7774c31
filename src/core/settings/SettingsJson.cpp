#include "core/settings/SettingsJson.h"

#include "core/settings/IniTarget.h"
#include "core/settings/MainSettingsIni.h"
#include "core/settings/NetworkIni.h"
#include "core/settings/PrivacyIni.h"
#include "core/settings/TerminalsIni.h"
#include "core/util/Text.h"

namespace cvd {
namespace {

class JsonTarget : public IniTarget {
 public:
  explicit JsonTarget(nlohmann::ordered_json& out) : out_(out) {}
  void EraseSection(const std::string& section) override { out_.erase(section); }
  void WriteString(const std::string& section, const std::string& key, const std::string& value) override {
    out_[ValidUtf8(section)][ValidUtf8(key)] = ValidUtf8(value);
  }
  void WriteInteger(const std::string& section, const std::string& key, int value) override {
    out_[ValidUtf8(section)][ValidUtf8(key)] = value;
  }
  void WriteBool(const std::string& section, const std::string& key, bool value) override {
    out_[ValidUtf8(section)][ValidUtf8(key)] = value;
  }

 private:
  nlohmann::ordered_json& out_;
};

}  // namespace

nlohmann::ordered_json SettingsJson(const Settings& settings, const Directories& dirs) {
  nlohmann::ordered_json main = nlohmann::ordered_json::object();
  JsonTarget mainTarget(main);
  WriteMainSettings(mainTarget, settings);
  WriteSearchWindowSettings(mainTarget, settings);
  WriteTerminalSettings(mainTarget, settings.Terminals);
  WritePrivacySettings(mainTarget, settings.Privacy);
  nlohmann::ordered_json network = nlohmann::ordered_json::object();
  JsonTarget networkTarget(network);
  WriteNetworkSettings(networkTarget, dirs, settings);
  nlohmann::ordered_json out;
  out[kSettingsFileName] = std::move(main);
  out[kNetworkFileName] = std::move(network);
  return out;
}

nlohmann::ordered_json DirectoriesJson(const Directories& dirs) {
  return {{"ProgramDir", ValidUtf8(dirs.ProgramDir)},         {"DataDir", ValidUtf8(dirs.DataDir)},
          {"DefaultDataDir", ValidUtf8(dirs.DefaultDataDir)}, {"ShareDir", ValidUtf8(dirs.ShareDir)},
          {"ExportDir", ValidUtf8(dirs.ExportDir)},           {"ImportDir", ValidUtf8(dirs.ImportDir)}};
}

}  // namespace cvd
