#include "ui/ColorMap.h"

#include <array>

namespace cvd::ui {
namespace {

// Classic desktop defaults for system colours that have no palette role.
constexpr std::array<QRgb, 31> kClassicSystemColors = {
    0xC8C8C8, 0x000000, 0x99B4D1, 0xBFCDDB, 0xF0F0F0, 0xFFFFFF, 0x646464, 0x000000, 0x000000, 0x000000, 0xB4B4B4,
    0xF4F7FC, 0xABABAB, 0x3399FF, 0xFFFFFF, 0xF0F0F0, 0xA0A0A0, 0x6D6D6D, 0x000000, 0x434E54, 0xFFFFFF, 0x696969,
    0xE3E3E3, 0x000000, 0xFFFFE1, 0x000000, 0x0066CC, 0xB9D1EA, 0xD7E4F2, 0x3399FF, 0xF0F0F0};

QColor SystemColor(int index, const QPalette& p) {
  switch (index) {
    case 4:
    case 15: return p.color(QPalette::Button);  // clMenu, clBtnFace
    case 5: return p.color(QPalette::Base);     // clWindow
    case 6:
    case 7: return p.color(QPalette::WindowText);  // clWindowFrame, clMenuText
    case 8: return p.color(QPalette::Text);        // clWindowText
    case 13: return p.color(QPalette::Highlight);
    case 14: return p.color(QPalette::HighlightedText);
    case 16: return p.color(QPalette::Dark);                      // clBtnShadow
    case 17: return p.color(QPalette::Disabled, QPalette::Text);  // clGrayText
    case 18: return p.color(QPalette::ButtonText);
    case 20: return p.color(QPalette::Light);     // clBtnHighlight
    case 21: return p.color(QPalette::Shadow);    // cl3DDkShadow
    case 22: return p.color(QPalette::Midlight);  // cl3DLight
    case 23: return p.color(QPalette::ToolTipText);
    case 24: return p.color(QPalette::ToolTipBase);
    default:
      if (index >= 0 && index < static_cast<int>(kClassicSystemColors.size())) {
        return QColor(kClassicSystemColors[static_cast<std::size_t>(index)]);
      }
      return p.color(QPalette::Button);
  }
}

}  // namespace

QColor ToQColor(TColor color, const QPalette& palette) {
  if (IsSystemColor(color)) return SystemColor(SystemColorIndex(color), palette);
  if (color == clNone || color == clDefault) return palette.color(QPalette::Button);
  return QColor(RedOf(color), GreenOf(color), BlueOf(color));
}

}  // namespace cvd::ui
