#include "ui/TBitBtnWithColor.h"

#include <qdrawutil.h>
#include <QMouseEvent>
#include <QPainter>

#include "ui/ColorMap.h"

namespace cvd::ui {

TBitBtnWithColor::TBitBtnWithColor(int number, QWidget* parent) : QPushButton(parent), number_(number) {
  setFocusPolicy(Qt::NoFocus);  // the focus stays in the window being pasted into
  setAutoDefault(false);
  setAttribute(Qt::WA_OpaquePaintEvent);  // the face covers every pixel
  setObjectName(QStringLiteral("Button%1").arg(number));
}

void TBitBtnWithColor::SetColor(TColor color) {
  if (color == color_) return;
  color_ = color;
  update();
}

void TBitBtnWithColor::SetFontColor(TColor color) {
  if (color == fontColor_) return;
  fontColor_ = color;
  update();
}

void TBitBtnWithColor::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  const QPalette& pal = palette();
  const QColor face = ToQColor(color_, pal);
  QRect r = rect();
  const bool pressed = isDown();
  if (pressed) {
    painter.setPen(ToQColor(clBtnShadow, pal));
    painter.setBrush(face);
    painter.drawRect(r.adjusted(0, 0, -1, -1));
  } else {
    const QBrush fill(face);
    qDrawWinButton(&painter, r, pal, false, &fill);
  }
  r.adjust(1, 1, -1, -1);
  if (pressed) r.translate(1, 1);
  painter.setFont(font());
  painter.setPen(isEnabled() ? ToQColor(fontColor_, pal) : pal.color(QPalette::Disabled, QPalette::ButtonText));
  // Captions keep "&&" for a literal ampersand, as accelerators are drawn.
  painter.drawText(r, Qt::AlignCenter | Qt::TextShowMnemonic | Qt::TextSingleLine, text());
}

void TBitBtnWithColor::mousePressEvent(QMouseEvent* event) {
  QPushButton::mousePressEvent(event);
  emit Pressed(number_, event->button());
}

void TBitBtnWithColor::mouseDoubleClickEvent(QMouseEvent* event) {
  // A double click counts as a second press.
  mousePressEvent(event);
}

}  // namespace cvd::ui
