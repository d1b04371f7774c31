#include "ui/FormButtons.h"

#include <QBoxLayout>
#include <QPushButton>

namespace cvd::ui {

QPushButton* AddFormButton(QBoxLayout* row, const QString& caption, const QString& hint) {
  auto* button = new QPushButton(caption);
  button->setAccessibleName(QString(caption).remove('&'));
  if (!hint.isEmpty()) {
    button->setToolTip(hint);
    button->setStatusTip(hint);  // for dialogs with a status bar
  }
  row->addWidget(button);
  return button;
}

}  // namespace cvd::ui
