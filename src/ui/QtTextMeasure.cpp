#include "ui/QtTextMeasure.h"

#include <QFontMetrics>

#include "ui/HintWindow.h"
#include "ui/TMainForm.h"

namespace cvd::ui {

int QtTextMeasure::ButtonTextWidth(const std::string& text) {
  // Captions are drawn with "&&" standing for one ampersand.
  QString shown = QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
  shown.replace(QStringLiteral("&&"), QStringLiteral("&"));
  return QFontMetrics(form_.ButtonFont()).horizontalAdvance(shown);
}

Size QtTextMeasure::HintSize(const std::string& text, int maxWidth) {
  const QFontMetrics metrics(hint_.font());
  const QRect bounds = metrics.boundingRect(QRect(0, 0, maxWidth, 100000), Qt::TextWordWrap | Qt::TextWrapAnywhere,
                                            QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())));
  // Room for the frame and margin of the hint window.
  const int extra = 2 * (hint_.margin() + hint_.frameWidth()) + 2;
  return Size{bounds.width() + extra, bounds.height() + extra};
}

}  // namespace cvd::ui
