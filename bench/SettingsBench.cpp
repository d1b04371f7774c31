// Reading and writing the settings file: a full file of every option, and a
// damaged 10 MB file full of unknown keys.
#include <benchmark/benchmark.h>
#include <stdlib.h>

#include <filesystem>
#include <string>

#include "core/settings/IniFile.h"
#include "core/settings/MainSettingsIni.h"

namespace {

std::string FullSettingsText() {
  cvd::Settings s = cvd::DefaultSettings();
  s.PasteKeys.resize(cvd::kMaxPasteKeys, s.PasteKeys[0]);
  s.QuickFixes.Entries.resize(cvd::kMaxQuickFixes, "Fix={Uppercase}");
  for (int i = 0; i < cvd::kMaxQuickFixes; ++i) s.QuickFixes.Entries[i] = "Fix" + std::to_string(i) + "={Uppercase}";
  s.QuickFixHotKeys.assign(s.QuickFixes.Entries.size(), 0);
  cvd::IniFile ini;
  cvd::WriteMainSettings(ini, s);
  return ini.ToText();
}

std::string TenMegabyteText() {
  std::string text = "[Windows]\r\nMainTop=321\r\n[Junk]\r\n";
  for (int i = 0; text.size() < 10u * 1024 * 1024; ++i) {
    text += "Key" + std::to_string(i) + "=" + std::string(90, 'x') + "\r\n";
  }
  return text;
}

void BM_ReadFullSettings(benchmark::State& state) {
  const std::string text = FullSettingsText();
  const cvd::ScreenGeometry screen;
  for (auto _ : state) {
    cvd::IniFile ini;
    ini.LoadFromText(text);
    cvd::Settings s;
    cvd::ReadEarlySettings(ini, s, cvd::LegacyDefaults{"/x/"});
    cvd::ReadMainSettings(ini, s, screen, "/tmp/");
    benchmark::DoNotOptimize(s);
  }
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * text.size()));
}
BENCHMARK(BM_ReadFullSettings)->Unit(benchmark::kMicrosecond);

void BM_WriteFullSettings(benchmark::State& state) {
  const std::string text = FullSettingsText();
  cvd::Settings s = cvd::DefaultSettings();
  for (auto _ : state) {
    cvd::IniFile ini;
    ini.LoadFromText(text);
    cvd::WriteMainSettings(ini, s);
    benchmark::DoNotOptimize(ini.ToText());
  }
}
BENCHMARK(BM_WriteFullSettings)->Unit(benchmark::kMicrosecond);

void BM_LoadTenMegabyteSettings(benchmark::State& state) {
  const std::string text = TenMegabyteText();
  for (auto _ : state) {
    cvd::IniFile ini;
    ini.LoadFromText(text);
    benchmark::DoNotOptimize(ini.ReadInteger("Windows", "MainTop", 0));
  }
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * text.size()));
}
BENCHMARK(BM_LoadTenMegabyteSettings)->Unit(benchmark::kMillisecond);

// Includes the flush to disk of the atomic replacement.
void BM_SaveSettingsFileToDisk(benchmark::State& state) {
  std::string folder = (std::filesystem::temp_directory_path() / "corvinade-bench-XXXXXX").string();
  if (::mkdtemp(folder.data()) == nullptr) {
    state.SkipWithError("no temporary folder");
    return;
  }
  cvd::IniFile ini;
  ini.LoadFromText(FullSettingsText());
  std::string error;
  for (auto _ : state) benchmark::DoNotOptimize(ini.Save(folder + "/corvinade.ini", error));
  std::filesystem::remove_all(folder);
}
BENCHMARK(BM_SaveSettingsFileToDisk)->Unit(benchmark::kMillisecond);

}  // namespace
