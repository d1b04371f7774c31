#pragma once
#include <QIcon>
#include <QPixmap>

namespace cvd::ui {

// The program's icon: a clipboard, drawn at several sizes.
QIcon AppIcon();
// The icon drawn at one size (the icon theme's files are made from it).
QPixmap AppIconPixmap(int size);

}  // namespace cvd::ui
