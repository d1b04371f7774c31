#include "ui/DialogPlacement.h"

#include <QCursor>
#include <QDialog>
#include <QGuiApplication>
#include <QScreen>
#include <QTimer>

#include "ui/CursorMessageDlg.h"

namespace cvd::ui {

int ExecAtPointer(QDialog& dialog) {
  dialog.setAccessibleName(dialog.windowTitle());
  dialog.setWindowFlag(Qt::WindowStaysOnTopHint);
  dialog.adjustSize();
  const QPoint pointer = QCursor::pos();
  QScreen* screen = QGuiApplication::screenAt(pointer);
  if (!screen) screen = QGuiApplication::primaryScreen();
  if (screen) dialog.move(CursorMessagePosition(dialog.sizeHint(), pointer, screen->geometry()));
  // The button window never takes the focus, so the dialog asks for it.
  QTimer::singleShot(0, &dialog, [&dialog] {
    dialog.raise();
    dialog.activateWindow();
  });
  return dialog.exec();
}

}  // namespace cvd::ui
