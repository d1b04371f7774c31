#pragma once
#include <QPoint>
#include <QRect>
#include <QSize>
#include <QString>

#include "core/ports/Ui.h"

class QWidget;

namespace cvd::ui {

// A message box whose horizontal middle is at the mouse pointer and whose
// bottom edge is 10 pixels below it, kept inside the screen. With
// `dontAskAgain` it carries a "Don't ask again." check box and reports it.
MsgResult RunCursorMessageDlg(const QString& text, MsgKind kind, MsgButtons buttons, bool* dontAskAgain);

// Where such a box goes, for a box of `size` and the pointer at `pointer`
// on a screen of `screen`.
QPoint CursorMessagePosition(const QSize& size, const QPoint& pointer, const QRect& screen);

}  // namespace cvd::ui
