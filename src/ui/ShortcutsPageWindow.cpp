#include "ui/ShortcutsPageWindow.h"

#include <QCloseEvent>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QPushButton>
#include <QVBoxLayout>

#include "ui/SetupShortcutsPage.h"

namespace cvd::ui {

ShortcutsPageWindow::ShortcutsPageWindow(Engine& engine) : page_(new SetupShortcutsPage(engine)) {
  setObjectName(QStringLiteral("ShortcutsPageWindow"));
  setWindowTitle(QStringLiteral("Corvinade Settings"));
  setAccessibleName(QStringLiteral("Corvinade Settings"));
  auto* close = new QPushButton(QStringLiteral("Close"));
  close->setObjectName(QStringLiteral("CloseButton"));
  close->setAccessibleName(QStringLiteral("Close"));
  auto* buttons = new QHBoxLayout;
  buttons->addStretch(1);
  buttons->addWidget(close);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(page_, 1);
  layout->addLayout(buttons);
  setMinimumWidth(400);
  resize(440, 520);
  connect(close, &QPushButton::clicked, this, &QWidget::close);
}

void ShortcutsPageWindow::Open() {
  page_->Load();
  show();
  raise();
  activateWindow();
}

void ShortcutsPageWindow::closeEvent(QCloseEvent* event) {
  if (!page_->CanClose()) {
    event->ignore();
    return;
  }
  page_->Save();
  event->accept();
}

void ShortcutsPageWindow::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Escape) {
    close();
    return;
  }
  QWidget::keyPressEvent(event);
}

}  // namespace cvd::ui
