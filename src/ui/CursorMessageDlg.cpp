#include "ui/CursorMessageDlg.h"

#include <QCheckBox>
#include <QCursor>
#include <QGuiApplication>
#include <QMessageBox>
#include <QScreen>
#include <QTimer>

namespace cvd::ui {

QPoint CursorMessagePosition(const QSize& size, const QPoint& pointer, const QRect& screen) {
  int left = pointer.x() - size.width() / 2;
  int top = pointer.y() + 10 - size.height();
  left = std::min(left, screen.x() + screen.width() - size.width());
  top = std::min(top, screen.y() + screen.height() - size.height());
  return QPoint(std::max(left, screen.x()), std::max(top, screen.y()));
}

MsgResult RunCursorMessageDlg(const QString& text, MsgKind kind, MsgButtons buttons, bool* dontAskAgain) {
  QMessageBox box;
  box.setWindowTitle(QStringLiteral("Corvinade"));
  box.setText(text);
  switch (kind) {
    case MsgKind::Warning: box.setIcon(QMessageBox::Warning); break;
    case MsgKind::Error: box.setIcon(QMessageBox::Critical); break;
    case MsgKind::Information: box.setIcon(QMessageBox::Information); break;
    case MsgKind::Confirmation: box.setIcon(QMessageBox::Question); break;
  }
  switch (buttons) {
    case MsgButtons::Ok: box.setStandardButtons(QMessageBox::Ok); break;
    case MsgButtons::OkCancel: box.setStandardButtons(QMessageBox::Ok | QMessageBox::Cancel); break;
    case MsgButtons::YesNo: box.setStandardButtons(QMessageBox::Yes | QMessageBox::No); break;
    case MsgButtons::YesNoCancel:
      box.setStandardButtons(QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
      break;
  }
  QCheckBox* check = nullptr;
  if (dontAskAgain != nullptr) {
    check = new QCheckBox(QStringLiteral("Don't ask again."));
    box.setCheckBox(check);
  }
  box.setWindowFlag(Qt::WindowStaysOnTopHint);
  box.adjustSize();
  const QPoint pointer = QCursor::pos();
  QScreen* screen = QGuiApplication::screenAt(pointer);
  if (!screen) screen = QGuiApplication::primaryScreen();
  if (screen) box.move(CursorMessagePosition(box.sizeHint(), pointer, screen->geometry()));
  box.setAccessibleName(box.windowTitle());
  // The button window never takes the focus, so the box asks for it.
  QTimer::singleShot(0, &box, [&box] {
    box.raise();
    box.activateWindow();
  });
  const int pressed = box.exec();
  if (check) *dontAskAgain = check->isChecked();
  switch (pressed) {
    case QMessageBox::Ok: return MsgResult::Ok;
    case QMessageBox::Yes: return MsgResult::Yes;
    case QMessageBox::No: return MsgResult::No;
    default: return MsgResult::Cancel;
  }
}

}  // namespace cvd::ui
