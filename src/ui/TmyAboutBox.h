#pragma once
// The about box: the program's icon, name and version, and a link that
// starts an e-mail to the support address.
#include <QDialog>
#include <functional>

class QLabel;
class QPushButton;

namespace cvd::ui {

class TmyAboutBox : public QDialog {
  Q_OBJECT
 public:
  // `mailSupport` runs when the link is used; the box closes after it.
  explicit TmyAboutBox(std::function<void()> mailSupport, QWidget* parent = nullptr);

  QLabel* ProductName = nullptr;
  QLabel* Version = nullptr;
  QPushButton* MailLink = nullptr;
  QPushButton* OKButton = nullptr;
};

}  // namespace cvd::ui
