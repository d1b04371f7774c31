#pragma once
// A push button that draws itself, so that its face can have any colour.
#include <QPushButton>

#include "core/data/Colors.h"

namespace cvd::ui {

class TBitBtnWithColor : public QPushButton {
  Q_OBJECT
 public:
  TBitBtnWithColor(int number, QWidget* parent);

  int Number() const { return number_; }
  TColor Color() const { return color_; }
  void SetColor(TColor color);
  TColor FontColor() const { return fontColor_; }
  void SetFontColor(TColor color);

 signals:
  // A mouse press with Qt's button; buttons paste on press, not on click.
  void Pressed(int number, Qt::MouseButton button);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;

 private:
  int number_;
  TColor color_ = clBtnFace;
  TColor fontColor_ = clBlack;
};

}  // namespace cvd::ui
