#pragma once
// The delimiter list of "Paste all buttons": a modal dialog at the pointer.
// The rows and their commands belong to the core's DelimiterList.
#include <QDialog>

class QTableWidget;
class QPushButton;

namespace cvd {
class DelimiterList;
}

namespace cvd::ui {

class TListForm : public QDialog {
  Q_OBJECT
 public:
  TListForm();
  void SetList(DelimiterList* list) { list_ = list; }
  // Shows the dialog modally at the pointer; true when closed with OK.
  bool Run();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void Refill();
  void PlaceAtPointer();
  void LayOutColumns();

  DelimiterList* list_ = nullptr;
  QTableWidget* DelimList = nullptr;
  QPushButton* OkButton = nullptr;
  QPushButton* Dummy = nullptr;
};

}  // namespace cvd::ui
