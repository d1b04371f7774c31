#include "ui/TCvdEditForm.h"

#include <QCloseEvent>
#include <QGridLayout>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QStatusTipEvent>
#include <QTabWidget>
#include <QTextCursor>
#include <QTimer>
#include <QVBoxLayout>

#include "core/editor/ButtonEditor.h"
#include "ui/TBitBtnWithColor.h"

namespace cvd::ui {

namespace {
constexpr int kMinWidth = 475, kMinHeight = 300;

// Texts keep CR LF between lines; the edit box shows plain line breaks.
QString ToEdit(const std::string& text) {
  return QString::fromUtf8(text.c_str()).replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
}
std::string FromEdit(QString text) { return text.replace('\n', QStringLiteral("\r\n")).toUtf8().toStdString(); }

// Bytes one UTF-16 unit of the edit box takes in the stored text (a line
// break becomes CR LF; a surrogate pair is four bytes, two per half).
std::size_t StoredBytes(QChar c) {
  const char16_t u = c.unicode();
  if (u == u'\n') return 2;
  if (u < 0x80) return 1;
  if (u < 0x800) return 2;
  return c.isSurrogate() ? 2 : 3;
}
// Byte offset in the stored text of a position in the edit box, and back.
std::size_t BytesBefore(const QString& shown, int position) {
  std::size_t bytes = 0;
  for (int i = 0; i < position && i < shown.size(); ++i) bytes += StoredBytes(shown[i]);
  return bytes;
}
int PositionOf(const QString& shown, std::size_t bytes) {
  int position = 0;
  for (std::size_t at = 0; position < shown.size() && at + StoredBytes(shown[position]) <= bytes; ++position) {
    at += StoredBytes(shown[position]);
  }
  return position;
}

QPushButton* Button(const QString& text, const QString& name, QWidget* parent) {
  auto* button = new QPushButton(text, parent);
  button->setAccessibleName(name);
  return button;
}
}  // namespace

TCvdEditForm::TCvdEditForm(QWidget* parent) : QDialog(parent) {
  setObjectName(QStringLiteral("TCvdEditForm"));
  setWindowFlag(Qt::WindowContextHelpButtonHint, false);
  setMinimumSize(kMinWidth, kMinHeight);
  setSizeGripEnabled(true);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(4, 4, 4, 0);
  Pages = new QTabWidget(this);
  Pages->setAccessibleName(QStringLiteral("Pages"));
  Pages->addTab(MakeButtonPage(), QStringLiteral("&Button"));
  Pages->addTab(MakeGroupPage(), QStringLiteral("&Groups"));
  layout->addWidget(Pages, 1);
  StatusBar = new QLabel(this);
  StatusBar->setAccessibleName(QStringLiteral("Status"));
  StatusBar->setMinimumHeight(18);
  layout->addWidget(StatusBar);
  // Enter belongs to the focused control (a new line, opening a list item), never to a default button.
  for (QPushButton* button : findChildren<QPushButton*>()) button->setAutoDefault(false);
  connect(Pages, &QTabWidget::currentChanged, this, [this](int index) {
    if (editor_ && !loading_) editor_->PageChanged(index == 0 ? EditorPage::Button : EditorPage::Groups);
  });
  ConnectOptions();
}

QWidget* TCvdEditForm::MakeButtonPage() {
  auto* page = new QWidget(this);
  page->setObjectName(QStringLiteral("ButtonPage"));
  auto* grid = new QGridLayout(page);
  ButtonNameBox = new QLineEdit(page);
  ButtonNameBox->setAccessibleName(QStringLiteral("Button Name"));
  ButtonNameBox->setStatusTip(QStringLiteral("The caption of the button"));
  ButtonHintBox = new QLineEdit(page);
  ButtonHintBox->setAccessibleName(QStringLiteral("Button Hint"));
  ButtonHintBox->setStatusTip(QStringLiteral("Shown when the mouse rests on the button; empty: the text"));
  ColorButton = new TBitBtnWithColor(0, page);
  ColorButton->setText(QStringLiteral("Aa"));
  ColorButton->setAccessibleName(QStringLiteral("Button Color"));
  ColorButton->setStatusTip(QStringLiteral("Click to choose the colours; right click repeats the last colours"));
  ColorButton->setFocusPolicy(Qt::StrongFocus);
  ButtonTextBox = new QPlainTextEdit(page);
  ButtonTextBox->setAccessibleName(QStringLiteral("Text to be pasted"));
  ButtonTextBox->setStatusTip(QStringLiteral("The text the button pastes"));
  ButtonTextBox->setTabChangesFocus(true);
  auto* nameLabel = new QLabel(QStringLiteral("Button &Name:"), page);
  nameLabel->setBuddy(ButtonNameBox);
  auto* hintLabel = new QLabel(QStringLiteral("Button H&int:"), page);
  hintLabel->setBuddy(ButtonHintBox);
  auto* textLabel = new QLabel(QStringLiteral("&Text to be pasted:"), page);
  textLabel->setBuddy(ButtonTextBox);
  grid->addWidget(nameLabel, 0, 0);
  grid->addWidget(ButtonNameBox, 0, 1);
  grid->addWidget(ColorButton, 0, 2);
  grid->addWidget(hintLabel, 1, 0);
  grid->addWidget(ButtonHintBox, 1, 1, 1, 2);
  grid->addWidget(textLabel, 2, 0, 1, 3);
  grid->addWidget(ButtonTextBox, 3, 0, 1, 3);
  grid->setRowStretch(3, 1);
  const int side = ButtonNameBox->sizeHint().height();
  ColorButton->setFixedSize(side, side);

  HelpButton = Button(QStringLiteral("&Help"), QStringLiteral("Help"), page);
  QuickFixButton = Button(QStringLiteral("&Quick Fix"), QStringLiteral("Quick Fix"), page);
  QuickFixButton->setStatusTip(QStringLiteral("Apply a quick fix to the selected text, or to all of it"));
  CancelButton = Button(QStringLiteral("Cancel"), QStringLiteral("Cancel"), page);
  OkButton = Button(QStringLiteral("&OK"), QStringLiteral("OK"), page);
  OkButton->setStatusTip(QStringLiteral("Save the button and close"));
  auto* row = new QHBoxLayout;
  for (QPushButton* b : {HelpButton, QuickFixButton, CancelButton}) row->addWidget(b, 1);
  row->addWidget(OkButton, 2);
  grid->addLayout(row, 4, 0, 1, 3);
  // The fields in reading order first, then the colour and the buttons.
  QWidget* order[] = {ButtonNameBox, ButtonHintBox,  ButtonTextBox, ColorButton,
                      HelpButton,    QuickFixButton, CancelButton,  OkButton};
  for (std::size_t i = 1; i < std::size(order); ++i) setTabOrder(order[i - 1], order[i]);

  connect(ButtonNameBox, &QLineEdit::textEdited, this, [this](const QString& text) {
    if (editor_) editor_->SetName(text.toUtf8().toStdString());
  });
  connect(ButtonHintBox, &QLineEdit::textEdited, this, [this](const QString& text) {
    if (editor_) editor_->SetHint(text.toUtf8().toStdString());
  });
  connect(ButtonTextBox, &QPlainTextEdit::textChanged, this, [this] {
    if (editor_ && !loading_) editor_->SetText(FromEdit(ButtonTextBox->toPlainText()));
  });
  connect(ColorButton, &TBitBtnWithColor::Pressed, this, [this](int, Qt::MouseButton) {
    mousePressedColor_ = true;
    if (editor_) editor_->ColorButtonPressed();
  });
  connect(ColorButton, &QPushButton::clicked, this, [this] {
    if (!editor_) return;
    // From the keyboard there was no press: the last colours first, as for the mouse.
    if (!mousePressedColor_) editor_->ColorButtonPressed();
    mousePressedColor_ = false;
    editor_->ColorButtonClicked();
  });
  connect(HelpButton, &QPushButton::clicked, this, [this] {
    if (editor_) editor_->HelpClick();
  });
  connect(QuickFixButton, &QPushButton::clicked, this, &TCvdEditForm::PopupQuickFixMenu);
  connect(CancelButton, &QPushButton::clicked, this, [this] {
    if (editor_) editor_->CancelClick();
  });
  connect(OkButton, &QPushButton::clicked, this, [this] {
    if (editor_) editor_->OkClick();
  });
  return page;
}

void TCvdEditForm::PopupQuickFixMenu() {
  if (!editor_) return;
  ButtonTextBox->setFocus();
  QMenu menu(this);
  menu.setAccessibleName(QStringLiteral("Quick Fixes"));
  for (const QuickFixMenuEntry& entry : editor_->QuickFixEntries()) {
    const int tag = entry.tag;
    menu.addAction(QString::fromUtf8(entry.caption.c_str()), this, [this, tag] { editor_->QuickFixClick(tag); });
  }
  menu.addSeparator();
  menu.addAction(QStringLiteral("Cancel"));
  menu.exec(QCursor::pos() + QPoint(10, 0));
}

bool TCvdEditForm::ShowModal(EditorPage page) {
  if (editor_) {
    const Rect frame = editor_->StoredFrame();
    resize(frame.width, frame.height);
    if (frame.left != 0 || frame.top != 0) move(frame.left, frame.top);
  }
  ShowPage(page);
  OptionArea->ensureVisible(0, 0);
  if (editor_ && page == EditorPage::Button) Focus(editor_->InitialFocus());
  // The form takes the keyboard while it is open; the button window never does.
  QTimer::singleShot(0, this, [this] {
    raise();
    activateWindow();
  });
  const int result = exec();
  if (editor_) editor_->StoreFrame(Rect{x(), y(), width(), height()});
  return result == QDialog::Accepted;
}

void TCvdEditForm::Close(bool ok) { done(ok ? QDialog::Accepted : QDialog::Rejected); }

void TCvdEditForm::ShowPage(EditorPage page) {
  loading_ = true;
  Pages->setCurrentIndex(page == EditorPage::Button ? 0 : 1);
  loading_ = false;
}

void TCvdEditForm::ShowButton() {
  if (!editor_) return;
  loading_ = true;
  const ButtonInfo& info = editor_->Fields();
  ButtonNameBox->setText(QString::fromUtf8(info.fields.name.c_str()));
  ButtonHintBox->setText(QString::fromUtf8(info.fields.hint.c_str()));
  const QString text = ToEdit(info.fields.text);
  if (ButtonTextBox->toPlainText() != text) ButtonTextBox->setPlainText(text);
  ColorButton->SetColor(info.color);
  ColorButton->SetFontColor(info.fontColor);
  loading_ = false;
}

void TCvdEditForm::ShowCaption(const std::string& caption) {
  setWindowTitle(QString::fromUtf8(caption.c_str()));
  setAccessibleName(windowTitle());
}

void TCvdEditForm::Focus(EditorFocus focus) {
  if (focus == EditorFocus::Name) {
    ButtonNameBox->setFocus();
    ButtonNameBox->selectAll();
    return;
  }
  ButtonTextBox->setFocus();
  ButtonTextBox->moveCursor(QTextCursor::End);
}

TextSelection TCvdEditForm::Selection() {
  const QTextCursor cursor = ButtonTextBox->textCursor();
  const QString shown = ButtonTextBox->toPlainText();
  const std::size_t start = BytesBefore(shown, cursor.selectionStart());
  return TextSelection{start, BytesBefore(shown, cursor.selectionEnd()) - start};
}

void TCvdEditForm::SetSelection(TextSelection selection) {
  const QString shown = ButtonTextBox->toPlainText();
  QTextCursor cursor = ButtonTextBox->textCursor();
  cursor.setPosition(PositionOf(shown, selection.start));
  cursor.setPosition(PositionOf(shown, selection.start + selection.length), QTextCursor::KeepAnchor);
  ButtonTextBox->setTextCursor(cursor);
}

void TCvdEditForm::Status(const std::string& text) { StatusBar->setText(QString::fromUtf8(text.c_str())); }

bool TCvdEditForm::event(QEvent* event) {
  if (event->type() == QEvent::StatusTip) {
    StatusBar->setText(static_cast<QStatusTipEvent*>(event)->tip());
    return true;
  }
  return QDialog::event(event);
}

void TCvdEditForm::closeEvent(QCloseEvent* event) {
  // The core decides: it may ask about a changed button first.
  event->ignore();
  if (editor_) {
    editor_->CloseRequest();
  } else {
    done(QDialog::Rejected);
  }
}

void TCvdEditForm::reject() {
  if (editor_) {
    editor_->CancelClick();
  } else {
    QDialog::reject();
  }
}

}  // namespace cvd::ui
