#pragma once
// A small dialog for a button's name, hint and text.
#include <QDialog>

#include "core/ports/Ui.h"

class QLineEdit;
class QPlainTextEdit;

namespace cvd::ui {

class TButtonDialog : public QDialog {
  Q_OBJECT
 public:
  TButtonDialog(const QString& caption, const ButtonFields& fields);
  ButtonFields Fields() const;

  QLineEdit* NameBox = nullptr;
  QLineEdit* HintBox = nullptr;
  QPlainTextEdit* TextBox = nullptr;
};

}  // namespace cvd::ui
