#include "ui/HintWindow.h"

namespace cvd::ui {

HintWindow::HintWindow()
    : QLabel(nullptr, Qt::ToolTip | Qt::FramelessWindowHint | Qt::WindowDoesNotAcceptFocus | Qt::WindowStaysOnTopHint) {
  setAttribute(Qt::WA_ShowWithoutActivating);
  setObjectName(QStringLiteral("HintWindow"));
  setWordWrap(true);
  setTextFormat(Qt::PlainText);
  setAlignment(Qt::AlignLeft | Qt::AlignTop);
  setMargin(2);
  setFrameStyle(QFrame::Box | QFrame::Plain);
  setForegroundRole(QPalette::ToolTipText);
  setBackgroundRole(QPalette::ToolTipBase);
  setAutoFillBackground(true);
}

void HintWindow::ShowAt(const QString& text, const QRect& where) {
  setText(text);
  setGeometry(where);
  show();
  raise();
}

}  // namespace cvd::ui
