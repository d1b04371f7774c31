#include "core/fade/FadeOptions.h"

#include "core/settings/ValueForms.h"

namespace cvd {

namespace {
int InRangeOr(const std::string& text, int low, int high, int fallback) {
  const auto value = ParseInteger(text);
  return value && *value >= low && *value <= high ? *value : fallback;
}
}  // namespace

bool FadeTimeValid(const std::string& text) { return InRangeOr(text, 0, 60, -1) >= 0; }

bool FadeLevelValid(const std::string& text) { return InRangeOr(text, 10, 254, -1) >= 0; }

int FadeMinutes(const Settings& settings) { return InRangeOr(settings.FadeTime, 0, 60, kDefaultFadeMinutes); }

int FadeLevel(const Settings& settings) { return InRangeOr(settings.FadeLevel, 10, 254, kDefaultFadeLevel); }

bool AutoHideOn(const Settings& settings) {
  return settings.FadeOutOption || settings.RollupOption || settings.MinimizeOption;
}

}  // namespace cvd
