#include "ui/TQuickFixForm.h"

#include <QAction>
#include <QCloseEvent>
#include <QContextMenuEvent>
#include <QDropEvent>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStatusBar>
#include <QStatusTipEvent>
#include <QTimer>
#include <QVBoxLayout>

#include "core/quickfixeditor/QuickFixFunctions.h"
#include "core/quickfixeditor/QuickFixListEditor.h"
#include "ui/FormButtons.h"
#include "ui/QtText.h"

namespace cvd::ui {

namespace {

constexpr int kMinWidth = 425;
constexpr int kMinHeight = 300;
constexpr int kIconSize = 14;  // fits the 18-pixel indent of the names

// The picture of a gesture: an arrow pointing its way.
QIcon GestureIcon(Gesture gesture) {
  QPixmap picture(kIconSize, kIconSize);
  picture.fill(Qt::transparent);
  if (gesture == Gesture::None) return QIcon(picture);
  QPainter painter(&picture);
  painter.setRenderHint(QPainter::Antialiasing);
  painter.translate(kIconSize / 2.0, kIconSize / 2.0);
  const int turns = gesture == Gesture::Right ? 0 : gesture == Gesture::Down ? 1 : gesture == Gesture::Left ? 2 : 3;
  painter.rotate(90.0 * turns);
  painter.setPen(Qt::NoPen);
  painter.setBrush(QColor(0, 0, 160));
  painter.drawRect(QRectF(-6, -1.5, 7, 3));
  painter.drawPolygon(QPolygonF{QPointF(0, -5), QPointF(6, 0), QPointF(0, 5)});
  return QIcon(picture);
}

QString GestureWord(Gesture gesture) {
  switch (gesture) {
    case Gesture::Right: return QStringLiteral("Right");
    case Gesture::Left: return QStringLiteral("Left");
    case Gesture::Up: return QStringLiteral("Up");
    case Gesture::Down: return QStringLiteral("Down");
    case Gesture::None: break;
  }
  return {};
}

// FixList takes drops only from itself, and the move is the editor's.
class FixListBox : public QListWidget {
 public:
  std::function<void(int from, int to)> dropped;

 protected:
  void dragEnterEvent(QDragEnterEvent* event) override {
    if (event->source() == this)
      QListWidget::dragEnterEvent(event);
    else
      event->ignore();
  }
  void dropEvent(QDropEvent* event) override {
    if (event->source() != this || count() == 0) return event->ignore();
    const QModelIndex at = indexAt(event->position().toPoint());
    const int to = at.isValid() ? at.row() : count() - 1;
    const int from = currentRow();
    // A copy leaves the rows to the editor; a move would make the view remove one.
    event->setDropAction(Qt::CopyAction);
    event->accept();
    if (dropped) dropped(from, to);
  }
};

}  // namespace

TQuickFixForm::TQuickFixForm() {
  setObjectName(QStringLiteral("TQuickFixForm"));
  setWindowTitle(QStringLiteral("Custom Quick Fix"));
  setAccessibleName(QStringLiteral("Custom Quick Fix"));
  setWindowFlag(Qt::Window);
  setMinimumSize(kMinWidth, kMinHeight);

  auto* fixBox = new FixListBox;
  FixList = fixBox;
  FixList->setObjectName(QStringLiteral("FixList"));
  FixList->setAccessibleName(QStringLiteral("Quick fixes"));
  FixList->setAccessibleDescription(
      QStringLiteral("Ctrl+Up and Ctrl+Down move the selected quick fix; the menu key sets its mouse gesture"));
  FixList->setIconSize(QSize(kIconSize, kIconSize));
  FixList->setContextMenuPolicy(Qt::CustomContextMenu);
  FixList->setDragEnabled(true);
  FixList->setAcceptDrops(true);
  FixList->setDropIndicatorShown(true);
  FixList->setDragDropMode(QAbstractItemView::DragDrop);
  FixList->setDefaultDropAction(Qt::CopyAction);
  FixList->installEventFilter(this);
  auto* fixLabel = new QLabel(QStringLiteral("&Quick fixes:"));
  fixLabel->setBuddy(FixList);

  FixText = new QPlainTextEdit;
  FixText->setObjectName(QStringLiteral("FixText"));
  FixText->setAccessibleName(QStringLiteral("Quick fix action"));
  FixText->setTabChangesFocus(true);
  FixText->installEventFilter(this);
  auto* actionLabel = new QLabel(QStringLiteral("Quick fix &action:"));
  actionLabel->setBuddy(FixText);

  QuickFixes = new QListWidget;
  QuickFixes->setObjectName(QStringLiteral("QuickFixes"));
  QuickFixes->setAccessibleName(QStringLiteral("Quick fix functions"));
  QuickFixes->setAccessibleDescription(QStringLiteral("Enter or a double-click adds the function to the action"));
  for (const std::string& name : QuickFixFunctionNames()) QuickFixes->addItem(Q(name));
  QuickFixes->installEventFilter(this);
  auto* functionLabel = new QLabel(QStringLiteral("Quick fix &functions:"));
  functionLabel->setBuddy(QuickFixes);

  auto* buttons = new QHBoxLayout;
  HelpButton = AddFormButton(buttons, QStringLiteral("&Help"), QStringLiteral("Open the user manual"));
  NewButton = AddFormButton(buttons, QStringLiteral("&New"), QStringLiteral("Create a new quick fix"));
  DeleteButton = AddFormButton(buttons, QStringLiteral("&Delete"), QStringLiteral("Delete the selected quick fix"));
  RenameButton = AddFormButton(buttons, QStringLiteral("&Rename"), QStringLiteral("Rename the selected quick fix"));
  CloseButton = AddFormButton(buttons, QStringLiteral("&Close"), QStringLiteral("Close this window"));
  StatusBar = new QStatusBar;
  StatusBar->setObjectName(QStringLiteral("StatusBar"));
  StatusBar->setAccessibleName(QStringLiteral("Status"));
  StatusBar->setSizeGripEnabled(true);

  // The fixes and the action share the height; the functions take a third of the width.
  auto* left = new QVBoxLayout;
  left->addWidget(fixLabel);
  left->addWidget(FixList, 1);
  left->addWidget(actionLabel);
  left->addWidget(FixText, 1);
  auto* right = new QVBoxLayout;
  right->addWidget(functionLabel);
  right->addWidget(QuickFixes, 1);
  auto* lists = new QHBoxLayout;
  lists->addLayout(left, 2);
  lists->addLayout(right, 1);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(lists, 1);
  layout->addLayout(buttons);
  layout->addWidget(StatusBar);
  layout->setContentsMargins(6, 6, 6, 0);

  gestureMenu_ = new QMenu(this);
  gestureMenu_->setObjectName(QStringLiteral("GestureMenu"));
  gestureMenu_->setAccessibleName(QStringLiteral("Gesture menu"));
  for (const Gesture gesture : kMenuGestures) {
    QAction* set =
        gestureMenu_->addAction(GestureIcon(gesture), QStringLiteral("Set %1 Mouse Gesture").arg(GestureWord(gesture)));
    connect(set, &QAction::triggered, this, [this, gesture] {
      if (editor_) editor_->SetGesture(gesture);
      Refill();
    });
  }
  connect(gestureMenu_->addAction(QStringLiteral("Remove Mouse Gesture")), &QAction::triggered, this, [this] {
    if (editor_) editor_->RemoveGesture();
    Refill();
  });
  connect(gestureMenu_->addAction(QStringLiteral("Change shortcut key")), &QAction::triggered, this, [this] {
    if (editor_) editor_->ChangeShortcutKeyClick();
  });
  gestureMenu_->addAction(QStringLiteral("Cancel"));

  connect(FixList, &QListWidget::currentRowChanged, this, [this](int row) {
    if (editor_ && row >= 0 && row != editor_->Selected()) editor_->Select(row);
  });
  connect(FixList, &QWidget::customContextMenuRequested, this, [this](const QPoint& pos) {
    if (editor_ && FixList->count() > 0) {
      // Below the last row means the last row.
      const QModelIndex at = FixList->indexAt(pos);
      editor_->Select(at.isValid() ? at.row() : FixList->count() - 1);
      Refill();
    }
    GestureMenu()->popup(FixList->viewport()->mapToGlobal(pos));
  });
  fixBox->dropped = [this](int from, int to) {
    if (editor_) editor_->Move(from, to);
    Refill();
  };
  connect(FixText, &QPlainTextEdit::textChanged, this, [this] {
    if (editor_) editor_->FixTextChange(FixText->toPlainText().toStdString());
  });
  connect(QuickFixes, &QListWidget::currentRowChanged, this, [this](int row) {
    if (row >= 0)
      StatusBar->showMessage(Q(QuickFixListEditor::FunctionDescription(QuickFixes->item(row)->text().toStdString())));
  });
  connect(QuickFixes, &QListWidget::itemClicked, this, [this](QListWidgetItem* item) {
    StatusBar->showMessage(Q(QuickFixListEditor::FunctionDescription(item->text().toStdString())));
  });
  connect(QuickFixes, &QListWidget::itemDoubleClicked, this,
          [this](QListWidgetItem* item) { AddFunction(QuickFixes->row(item)); });
  connect(HelpButton, &QPushButton::clicked, this, [this] {
    if (help_) help_();
  });
  connect(NewButton, &QPushButton::clicked, this, [this] {
    if (editor_) editor_->NewClick();
    Refill();
  });
  connect(DeleteButton, &QPushButton::clicked, this, [this] {
    if (editor_) editor_->DeleteClick();
    Refill();
    FixList->setFocus();
  });
  connect(RenameButton, &QPushButton::clicked, this, [this] {
    if (editor_) editor_->RenameClick();
    Refill();
  });
  connect(CloseButton, &QPushButton::clicked, this, &QWidget::close);
}

QMenu* TQuickFixForm::GestureMenu() {
  const GestureMenuState state = editor_ ? editor_->GestureMenu() : GestureMenuState{};
  const bool selected = editor_ && editor_->HasSelection();
  const QList<QAction*> actions = gestureMenu_->actions();
  for (std::size_t i = 0; i < state.setVisible.size(); ++i) {
    actions[static_cast<int>(i)]->setVisible(!selected || state.setVisible[i]);
    actions[static_cast<int>(i)]->setEnabled(selected);
  }
  actions[4]->setVisible(state.removeVisible);
  actions[5]->setEnabled(state.changeShortcutEnabled);
  return gestureMenu_;
}

void TQuickFixForm::Refill() {
  if (!editor_) return;
  const QSignalBlocker blocker(FixList);
  FixList->clear();
  for (int i = 0; i < editor_->Count(); ++i) {
    const Gesture gesture = editor_->GestureOf(i);
    auto* item = new QListWidgetItem(GestureIcon(gesture), Q(editor_->Name(i)), FixList);
    if (gesture != Gesture::None) {
      item->setData(Qt::AccessibleTextRole,
                    QStringLiteral("%1, %2 mouse gesture").arg(item->text(), GestureWord(gesture).toLower()));
    }
  }
  FixList->setCurrentRow(editor_->Selected());
  const bool any = editor_->HasSelection();
  DeleteButton->setEnabled(any);
  RenameButton->setEnabled(any);
  FixText->setReadOnly(!any);
}

void TQuickFixForm::ShowEditor() {
  Refill();
  if (!isVisible() && editor_) {
    const Rect bounds = editor_->Bounds();
    resize(std::max(bounds.width, kMinWidth), std::max(bounds.height, kMinHeight));
    move(bounds.left, bounds.top);
  }
  show();
  raise();
  activateWindow();
  FixList->setFocus();
  // Window managers may keep a window of a background program behind.
  QTimer::singleShot(25, this, [this] {
    raise();
    activateWindow();
  });
}

void TQuickFixForm::HideEditor() { hide(); }

void TQuickFixForm::SetActionText(const std::string& text) {
  FixText->setPlainText(Q(text));
  FixText->moveCursor(QTextCursor::End);
}

void TQuickFixForm::FocusActionText() {
  Refill();
  FixText->setFocus();
}

void TQuickFixForm::AddFunction(int row) {
  if (!editor_ || row < 0) return;
  editor_->FunctionDoubleClick(QuickFixes->item(row)->text().toStdString());
  FixText->setFocus();
}

void TQuickFixForm::MoveSelected(int by) {
  if (!editor_ || !editor_->HasSelection()) return;
  const int to = editor_->Selected() + by;
  if (to >= 0) editor_->Move(editor_->Selected(), to);
  Refill();
}

bool TQuickFixForm::BackspaceOverCommand() {
  QTextCursor cursor = FixText->textCursor();
  if (cursor.hasSelection()) return false;
  const std::string before = FixText->toPlainText().left(cursor.position()).toStdString();
  const auto start = CommandStartBefore(before, before.size());
  if (!start) return false;
  cursor.setPosition(static_cast<int>(QString::fromStdString(before.substr(0, *start)).size()),
                     QTextCursor::KeepAnchor);
  cursor.removeSelectedText();
  return true;
}

bool TQuickFixForm::event(QEvent* event) {
  // The buttons' hints go to the status bar; leaving a button keeps the last message.
  if (event->type() == QEvent::StatusTip) {
    const QString tip = static_cast<QStatusTipEvent*>(event)->tip();
    if (!tip.isEmpty()) StatusBar->showMessage(tip);
    return true;
  }
  return QWidget::event(event);
}

bool TQuickFixForm::eventFilter(QObject* watched, QEvent* event) {
  if (watched == FixList && event->type() == QEvent::ContextMenu &&
      static_cast<QContextMenuEvent*>(event)->reason() == QContextMenuEvent::Keyboard) {
    // The menu key acts on the selected fix, whatever lies under the pointer.
    const QListWidgetItem* item = FixList->currentItem();
    const QPoint at = item ? FixList->visualItemRect(item).center() : QPoint(0, 0);
    GestureMenu()->popup(FixList->viewport()->mapToGlobal(at));
    return true;
  }
  if (event->type() != QEvent::KeyPress) return QWidget::eventFilter(watched, event);
  const auto* key = static_cast<QKeyEvent*>(event);
  if (watched == FixText && key->key() == Qt::Key_Backspace && key->modifiers() == Qt::NoModifier) {
    return BackspaceOverCommand();
  }
  if (watched == QuickFixes && (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter)) {
    AddFunction(QuickFixes->currentRow());
    return true;
  }
  if (watched == FixList && key->modifiers() == Qt::ControlModifier &&
      (key->key() == Qt::Key_Up || key->key() == Qt::Key_Down)) {
    MoveSelected(key->key() == Qt::Key_Up ? -1 : 1);
    return true;
  }
  return QWidget::eventFilter(watched, event);
}

void TQuickFixForm::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Escape) {
    close();
    return;
  }
  QWidget::keyPressEvent(event);
}

void TQuickFixForm::closeEvent(QCloseEvent* event) {
  // "Close" and the window's own close button both store the action and hide.
  event->ignore();
  if (editor_) {
    editor_->CloseClick(FixText->toPlainText().toStdString());
  } else {
    hide();
  }
}

void TQuickFixForm::StoreBounds() {
  if (editor_ && isVisible()) editor_->BoundsChanged(Rect{x(), y(), width(), height()});
}

void TQuickFixForm::moveEvent(QMoveEvent* event) {
  QWidget::moveEvent(event);
  StoreBounds();
}

void TQuickFixForm::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  StoreBounds();
}

}  // namespace cvd::ui
