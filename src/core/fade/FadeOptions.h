#pragma once
// The idle options as the fade logic may use them: the stored texts can be
// edited by hand, so they are checked every time they are read.
#include "core/settings/Settings.h"

namespace cvd {

inline constexpr int kDefaultFadeMinutes = 5;
inline constexpr int kDefaultFadeLevel = 128;

// Idle minutes 0..60; anything else gives the default.
int FadeMinutes(const Settings& settings);
// Target opacity 10..254; anything else gives the default (0 would never be
// reached by the fade, 255 would make its step divide by zero).
int FadeLevel(const Settings& settings);
// The texts the setup dialog accepts: whole numbers 0..60 and 10..254.
bool FadeTimeValid(const std::string& text);
bool FadeLevelValid(const std::string& text);
// One of "Fade out", "Roll up" and "Minimize" is ticked.
bool AutoHideOn(const Settings& settings);

}  // namespace cvd
