#pragma once
// A push button added to a row of a dialog, named for accessibility after
// its caption (without the mnemonic's "&"), with an optional hint.
#include <QString>

class QBoxLayout;
class QPushButton;

namespace cvd::ui {

QPushButton* AddFormButton(QBoxLayout* row, const QString& caption, const QString& hint = {});

}  // namespace cvd::ui
