#include "ui/CaptionBar.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QCursor>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenu>
#include <QMouseEvent>
#include <QToolButton>
#include <QWindow>

namespace cvd::ui {

CaptionBar::CaptionBar(QWidget* parent) : QWidget(parent) {
  setObjectName(QStringLiteral("CaptionBar"));
  setFixedHeight(kHeight);
  setAutoFillBackground(true);
  QPalette pal = palette();
  pal.setColor(QPalette::Window, QColor(0x99, 0xB4, 0xD1));
  pal.setColor(QPalette::WindowText, Qt::black);
  setPalette(pal);

  auto* layout = new QHBoxLayout(this);
  layout->setContentsMargins(3, 0, 0, 0);
  layout->setSpacing(0);
  title_ = new QLabel(QStringLiteral("Corvinade"), this);
  title_->setObjectName(QStringLiteral("CaptionTitle"));
  QFont small = font();
  small.setPixelSize(10);
  title_->setFont(small);
  layout->addWidget(title_, 1);

  close_ = new QToolButton(this);
  close_->setObjectName(QStringLiteral("CaptionClose"));
  close_->setText(QStringLiteral("\u00D7"));
  close_->setFont(small);
  close_->setAutoRaise(true);
  close_->setFocusPolicy(Qt::NoFocus);
  close_->setFixedSize(kHeight, kHeight);
  layout->addWidget(close_);
  connect(close_, &QToolButton::clicked, this, &CaptionBar::CloseRequested);

  menu_ = new QMenu(this);
  menu_->setObjectName(QStringLiteral("SystemMenu"));
}

void CaptionBar::mousePressEvent(QMouseEvent* event) {
  emit Pressed();
  if (moving_) {
    moving_ = false;
    setMouseTracking(false);
    releaseMouse();
    return;
  }
  if (event->button() != Qt::LeftButton) return;
  // Dragging starts only once the pointer moves, so that a double click
  // reaches the window rather than the window manager's move.
  pressed_ = true;
  pressAt_ = event->globalPosition().toPoint();
  dragOffset_ = pressAt_ - window()->frameGeometry().topLeft();
}

void CaptionBar::mouseMoveEvent(QMouseEvent* event) {
  const QPoint at = event->globalPosition().toPoint();
  if (pressed_ && !dragging_ && (at - pressAt_).manhattanLength() >= QApplication::startDragDistance()) {
    pressed_ = false;
    // Let the window manager move the window where it can; otherwise move it here.
    QWindow* handle = window()->windowHandle();
    if (handle && handle->startSystemMove()) return;
    dragging_ = true;
  }
  if (dragging_ || moving_) window()->move(at - dragOffset_);
}

void CaptionBar::mouseReleaseEvent(QMouseEvent*) {
  pressed_ = false;
  dragging_ = false;
}

void CaptionBar::BeginMove() {
  moving_ = true;
  dragOffset_ = QCursor::pos() - window()->frameGeometry().topLeft();
  setMouseTracking(true);
  grabMouse(Qt::SizeAllCursor);
}

void CaptionBar::mouseDoubleClickEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton) emit DoubleClicked();
}

void CaptionBar::contextMenuEvent(QContextMenuEvent* event) {
  if (!menu_->isEmpty()) menu_->popup(event->globalPos());
}

void CaptionBar::ShowPaused(bool paused) {
  title_->setText(paused ? QStringLiteral("Corvinade (paused)") : QStringLiteral("Corvinade"));
}

QString CaptionBar::Title() const { return title_->text(); }

}  // namespace cvd::ui
