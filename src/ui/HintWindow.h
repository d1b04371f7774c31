#pragma once
#include <QLabel>

namespace cvd::ui {

// The hover hint: a borderless window in the hint colours that never takes
// the focus.
class HintWindow : public QLabel {
 public:
  HintWindow();
  void ShowAt(const QString& text, const QRect& where);
};

}  // namespace cvd::ui
