#pragma once
// Colour values of the data files to Qt colours; system colours follow the
// application's palette.
#include <QColor>
#include <QPalette>

#include "core/data/Colors.h"

namespace cvd::ui {

QColor ToQColor(TColor color, const QPalette& palette);

}  // namespace cvd::ui
