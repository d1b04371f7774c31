#include "ui/TButtonDialog.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLineEdit>
#include <QPlainTextEdit>

namespace cvd::ui {

namespace {
// Texts keep CR LF between lines; the edit box shows plain line breaks.
QString ToEdit(const std::string& text) {
  return QString::fromUtf8(text.c_str()).replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
}
std::string FromEdit(QString text) { return text.replace('\n', QStringLiteral("\r\n")).toUtf8().toStdString(); }
}  // namespace

TButtonDialog::TButtonDialog(const QString& caption, const ButtonFields& fields) {
  setWindowTitle(caption);
  setObjectName(QStringLiteral("TButtonDialog"));
  auto* form = new QFormLayout(this);
  NameBox = new QLineEdit(QString::fromUtf8(fields.name.c_str()), this);
  NameBox->setAccessibleName(QStringLiteral("Name"));
  HintBox = new QLineEdit(QString::fromUtf8(fields.hint.c_str()), this);
  HintBox->setAccessibleName(QStringLiteral("Hint"));
  TextBox = new QPlainTextEdit(ToEdit(fields.text), this);
  TextBox->setAccessibleName(QStringLiteral("Text"));
  TextBox->setTabChangesFocus(true);
  form->addRow(QStringLiteral("&Name:"), NameBox);
  form->addRow(QStringLiteral("&Hint:"), HintBox);
  form->addRow(QStringLiteral("&Text:"), TextBox);
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  form->addRow(buttons);
  NameBox->setFocus();
  NameBox->selectAll();
}

ButtonFields TButtonDialog::Fields() const {
  return ButtonFields{NameBox->text().toUtf8().toStdString(), HintBox->text().toUtf8().toStdString(),
                      FromEdit(TextBox->toPlainText())};
}

}  // namespace cvd::ui
