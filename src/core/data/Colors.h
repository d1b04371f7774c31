#pragma once
// Colour names and the conversions of colour values.
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "core/util/ColorValue.h"

namespace cvd {

inline bool IsSystemColor(TColor c) { return (static_cast<std::uint32_t>(c) & 0xFF000000u) == 0x80000000u; }
inline int SystemColorIndex(TColor c) { return static_cast<int>(static_cast<std::uint32_t>(c) & 0xFFu); }

// The colour's name from the named-colour table, or "$" and eight hex digits.
std::string ColorToString(TColor color);

// The name a person reads: "Button Face" for clBtnFace, "Money Green" for
// clMoneyGreen; a colour without a name reads as ColorToString gives it.
std::string ColorDisplayName(TColor color);

// Every named colour in table order: standard, extended, then system colours
// (clNone last), for colour pickers.
std::vector<TColor> NamedColors();

// A colour name (letter case ignored) or a number: "$" hexadecimal, "0x"
// hexadecimal or signed decimal. Nothing for anything else.
std::optional<TColor> StringToColor(const std::string& text);

// Red, green and blue of a plain colour (system colours are resolved by the view).
inline int RedOf(TColor c) { return c & 0xFF; }
inline int GreenOf(TColor c) { return (c >> 8) & 0xFF; }
inline int BlueOf(TColor c) { return (c >> 16) & 0xFF; }

}  // namespace cvd
