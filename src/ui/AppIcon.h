#pragma once
#include <QIcon>

namespace cvd::ui {

// The program's icon: a clipboard, drawn at several sizes.
QIcon AppIcon();

}  // namespace cvd::ui
