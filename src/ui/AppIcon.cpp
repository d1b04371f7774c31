#include "ui/AppIcon.h"

#include <QPainter>
#include <QPixmap>

namespace cvd::ui {

QPixmap AppIconPixmap(int size) {
  QPixmap pixmap(size, size);
  pixmap.fill(Qt::transparent);
  QPainter p(&pixmap);
  p.setRenderHint(QPainter::Antialiasing);
  const qreal u = size / 16.0;
  p.setPen(QPen(QColor(0x5A, 0x3A, 0x1E), u));
  p.setBrush(QColor(0xB0, 0x7A, 0x45));
  p.drawRoundedRect(QRectF(2 * u, 2 * u, 12 * u, 13.5 * u), 1.5 * u, 1.5 * u);
  p.setPen(Qt::NoPen);
  p.setBrush(Qt::white);
  p.drawRect(QRectF(3.5 * u, 4 * u, 9 * u, 10 * u));
  p.setBrush(QColor(0x70, 0x70, 0x70));
  p.drawRoundedRect(QRectF(5 * u, 0.8 * u, 6 * u, 3 * u), u, u);
  p.setBrush(QColor(0x30, 0x60, 0xB0));
  for (int line = 0; line < 3; ++line) p.drawRect(QRectF(5 * u, (6 + 2.5 * line) * u, 6 * u, 1 * u));
  p.end();
  return pixmap;
}

QIcon AppIcon() {
  QIcon icon;
  for (int size : {16, 22, 24, 32, 48, 64}) icon.addPixmap(AppIconPixmap(size));
  return icon;
}

}  // namespace cvd::ui
