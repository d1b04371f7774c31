#include "ui/TListForm.h"

#include <QCursor>
#include <QGroupBox>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QPushButton>
#include <QScreen>
#include <QTableWidget>
#include <QTimer>
#include <QVBoxLayout>

#include "core/shortcuts/DelimiterList.h"
#include "ui/CursorMessageDlg.h"
#include "ui/FormButtons.h"

namespace cvd::ui {

TListForm::TListForm() {
  setObjectName(QStringLiteral("TListForm"));
  setWindowTitle(QStringLiteral("Delimeter"));
  setAccessibleName(QStringLiteral("Delimeter"));
  auto* box = new QGroupBox(QStringLiteral("Paste All Delimeters"));
  DelimList = new QTableWidget(0, 2, box);
  DelimList->setObjectName(QStringLiteral("DelimList"));
  DelimList->setAccessibleName(QStringLiteral("Paste All Delimeters"));
  DelimList->horizontalHeader()->hide();
  DelimList->verticalHeader()->hide();
  DelimList->setEditTriggers(QAbstractItemView::NoEditTriggers);
  DelimList->setSelectionMode(QAbstractItemView::SingleSelection);
  DelimList->installEventFilter(this);
  auto* boxLayout = new QVBoxLayout(box);
  boxLayout->addWidget(DelimList);

  auto* edits = new QHBoxLayout;
  QPushButton* newButton = AddFormButton(edits, QStringLiteral("&New"), {});
  QPushButton* deleteButton = AddFormButton(edits, QStringLiteral("&Delete"), {});
  QPushButton* editButton = AddFormButton(edits, QStringLiteral("&Edit"), {});
  auto* ends = new QHBoxLayout;
  OkButton = AddFormButton(ends, QStringLiteral("OK"), QStringLiteral("Use selected delimiter"));
  OkButton->setObjectName(QStringLiteral("OkButton"));
  QPushButton* cancelButton =
      AddFormButton(ends, QStringLiteral("Cancel"), QStringLiteral("Cancel Paste All operation"));
  // Takes the focus after every button press, so that no control keeps it.
  Dummy = new QPushButton(this);
  Dummy->setObjectName(QStringLiteral("Dummy"));
  Dummy->setAccessibleName(QStringLiteral("Dummy"));
  Dummy->setGeometry(-100, 0, 10, 10);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(box);
  layout->addLayout(edits);
  layout->addLayout(ends);
  resize(260, 240);

  connect(DelimList, &QTableWidget::currentCellChanged, this, [this](int row, int column) {
    if (list_ && row >= 0) list_->SelectCell(column, row);
  });
  connect(DelimList, &QTableWidget::cellDoubleClicked, this, [this] { OkButton->click(); });
  connect(newButton, &QPushButton::clicked, this, [this] {
    if (list_) list_->NewClick();
    Refill();
    LayOutColumns();
    DelimList->setFocus();
  });
  connect(deleteButton, &QPushButton::clicked, this, [this] {
    if (list_) list_->DeleteClick();
    Refill();
    LayOutColumns();
    DelimList->setFocus();
  });
  connect(editButton, &QPushButton::clicked, this, [this] {
    if (list_) list_->EditClick();
    Refill();
    DelimList->setFocus();
  });
  connect(OkButton, &QPushButton::clicked, this, &QDialog::accept);
  connect(cancelButton, &QPushButton::clicked, this, &QDialog::reject);
}

void TListForm::Refill() {
  if (!list_) return;
  const QSignalBlocker blocker(DelimList);
  const auto& rows = list_->Rows();
  DelimList->setRowCount(static_cast<int>(rows.size()));
  for (int r = 0; r < static_cast<int>(rows.size()); ++r) {
    DelimList->setItem(r, 0, new QTableWidgetItem(QString::fromStdString(rows[r].Name)));
    DelimList->setItem(r, 1, new QTableWidgetItem(QString::fromStdString(rows[r].Value)));
  }
  DelimList->setCurrentCell(list_->Row(), list_->Column());
}

void TListForm::LayOutColumns() {
  const int width = DelimList->viewport()->width();
  DelimList->setColumnWidth(0, width / 2);
  DelimList->setColumnWidth(1, width - width / 2);
}

void TListForm::PlaceAtPointer() {
  const QPoint pointer = QCursor::pos();
  QScreen* screen = QGuiApplication::screenAt(pointer);
  if (!screen) screen = QGuiApplication::primaryScreen();
  if (screen) move(CursorMessagePosition(frameGeometry().size(), pointer, screen->geometry()));
}

bool TListForm::Run() {
  if (!list_) return false;
  Refill();
  adjustSize();
  PlaceAtPointer();
  LayOutColumns();
  DelimList->setFocus();
  // Window managers may keep a dialog of a background program behind; it is
  // raised again once it is mapped.
  QTimer::singleShot(25, this, [this] {
    raise();
    activateWindow();
  });
  raise();
  activateWindow();
  return exec() == QDialog::Accepted;
}

bool TListForm::eventFilter(QObject* watched, QEvent* event) {
  if (watched == DelimList && event->type() == QEvent::KeyPress) {
    const auto* key = static_cast<QKeyEvent*>(event);
    if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
      OkButton->click();
      return true;
    }
    if (key->key() == Qt::Key_Right && DelimList->currentColumn() == 1) return true;
  }
  return QDialog::eventFilter(watched, event);
}

}  // namespace cvd::ui
