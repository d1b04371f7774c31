#include "core/data/Colors.h"

#include <array>
#include <cctype>
#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <utility>

#include "core/util/Text.h"

namespace cvd {
namespace {

struct NamedColor {
  const char* name;
  TColor value;
};

// Order matters only for names sharing a value (none do).
constexpr std::array<NamedColor, 51> kNamedColors{{
    {"clBlack", 0x000000},
    {"clMaroon", 0x000080},
    {"clGreen", 0x008000},
    {"clOlive", 0x008080},
    {"clNavy", 0x800000},
    {"clPurple", 0x800080},
    {"clTeal", 0x808000},
    {"clGray", 0x808080},
    {"clSilver", 0xC0C0C0},
    {"clRed", 0x0000FF},
    {"clLime", 0x00FF00},
    {"clYellow", 0x00FFFF},
    {"clBlue", 0xFF0000},
    {"clFuchsia", 0xFF00FF},
    {"clAqua", 0xFFFF00},
    {"clWhite", 0xFFFFFF},
    {"clMoneyGreen", 0xC0DCC0},
    {"clSkyBlue", 0xF0CAA6},
    {"clCream", 0xF0FBFF},
    {"clMedGray", 0xA4A0A0},
    {"clScrollBar", SystemColor(0)},
    {"clBackground", SystemColor(1)},
    {"clActiveCaption", SystemColor(2)},
    {"clInactiveCaption", SystemColor(3)},
    {"clMenu", SystemColor(4)},
    {"clWindow", SystemColor(5)},
    {"clWindowFrame", SystemColor(6)},
    {"clMenuText", SystemColor(7)},
    {"clWindowText", SystemColor(8)},
    {"clCaptionText", SystemColor(9)},
    {"clActiveBorder", SystemColor(10)},
    {"clInactiveBorder", SystemColor(11)},
    {"clAppWorkSpace", SystemColor(12)},
    {"clHighlight", SystemColor(13)},
    {"clHighlightText", SystemColor(14)},
    {"clBtnFace", SystemColor(15)},
    {"clBtnShadow", SystemColor(16)},
    {"clGrayText", SystemColor(17)},
    {"clBtnText", SystemColor(18)},
    {"clInactiveCaptionText", SystemColor(19)},
    {"clBtnHighlight", SystemColor(20)},
    {"cl3DDkShadow", SystemColor(21)},
    {"cl3DLight", SystemColor(22)},
    {"clInfoText", SystemColor(23)},
    {"clInfoBk", SystemColor(24)},
    {"clHotLight", SystemColor(26)},
    {"clGradientActiveCaption", SystemColor(27)},
    {"clGradientInactiveCaption", SystemColor(28)},
    {"clMenuHighlight", SystemColor(29)},
    {"clMenuBar", SystemColor(30)},
    {"clNone", 0x1FFFFFFF},
}};

constexpr NamedColor kDefaultColor{"clDefault", 0x20000000};

std::optional<TColor> ParseNumber(const std::string& text) {
  if (text.empty()) return std::nullopt;
  const char* begin = text.c_str();
  int base = 10;
  if (text[0] == '$') {
    begin += 1;
    base = 16;
  } else if (text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X')) {
    begin += 2;
    base = 16;
  }
  if (*begin == '\0' || *begin == ' ' || (base == 16 && (*begin == '-' || *begin == '+'))) return std::nullopt;
  char* end = nullptr;
  errno = 0;
  long long value = std::strtoll(begin, &end, base);
  if (errno != 0 || *end != '\0') return std::nullopt;
  if (base == 16) {
    if (value < 0 || value > 0xFFFFFFFFLL) return std::nullopt;
    return static_cast<TColor>(static_cast<std::uint32_t>(value));
  }
  if (value < INT32_MIN || value > 0xFFFFFFFFLL) return std::nullopt;
  return static_cast<TColor>(static_cast<std::uint32_t>(static_cast<std::int64_t>(value)));
}

}  // namespace

std::string ColorToString(TColor color) {
  for (const auto& named : kNamedColors) {
    if (named.value == color) return named.name;
  }
  if (color == kDefaultColor.value) return kDefaultColor.name;
  char buffer[16];
  std::snprintf(buffer, sizeof buffer, "$%08X", static_cast<std::uint32_t>(color));
  return buffer;
}

std::string ColorDisplayName(TColor color) {
  // By system colour index (25 is no colour of the files); the desktop's
  // words for the parts of a window, not the system's internal names.
  static const std::array<const char*, 31> kSystemNames = {
      "Scroll Bar",
      "Desktop",
      "Active Title Bar",
      "Inactive Title Bar",
      "Menu",
      "Window Background",
      "Window Frame",
      "Menu Text",
      "Window Text",
      "Active Title Text",
      "Active Border",
      "Inactive Border",
      "Application Workspace",
      "Selection",
      "Selected Text",
      "Button Face",
      "Button Shadow",
      "Disabled Text",
      "Button Text",
      "Inactive Title Text",
      "Button Highlight",
      "Button Dark Shadow",
      "Button Light",
      "Tooltip Text",
      "Tooltip Background",
      "",
      "Link",
      "Active Title Gradient",
      "Inactive Title Gradient",
      "Menu Selection",
      "Menu Bar",
  };
  std::string stored = ColorToString(color);
  if (IsSystemColor(color) && stored.rfind("cl", 0) == 0) {
    const auto index = static_cast<std::size_t>(SystemColorIndex(color));
    if (index < kSystemNames.size() && kSystemNames[index][0] != '\0') return kSystemNames[index];
  }
  if (stored.rfind("cl", 0) != 0) return stored;
  // "clMoneyGreen" reads "Money Green".
  std::string words;
  for (std::size_t i = 2; i < stored.size(); ++i) {
    if (std::isupper(static_cast<unsigned char>(stored[i])) && !words.empty()) words += ' ';
    words += stored[i];
  }
  return words == "Med Gray" ? "Medium Gray" : words;
}

std::vector<TColor> NamedColors() {
  std::vector<TColor> colors;
  for (const auto& named : kNamedColors) colors.push_back(named.value);
  return colors;
}

std::optional<TColor> StringToColor(const std::string& text) {
  const std::string upper = UpperAscii(text);
  for (const auto& named : kNamedColors) {
    if (UpperAscii(named.name) == upper) return named.value;
  }
  if (UpperAscii(kDefaultColor.name) == upper) return kDefaultColor.value;
  return ParseNumber(text);
}

}  // namespace cvd
