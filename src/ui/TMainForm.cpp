#include "ui/TMainForm.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QCursor>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QPaintEvent>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QToolButton>
#include <QVBoxLayout>

#include "core/ports/Ui.h"
#include "core/shortcuts/ShortcutKeys.h"
#include "ui/CaptionBar.h"
#include "ui/CaptionMenu.h"
#include "ui/ColorMap.h"
#include "ui/TBitBtnWithColor.h"
#include "ui/WindowInput.h"

namespace cvd::ui {

namespace {
QFont ToQFont(const FontSpec& spec) {
  QFont font(QString::fromStdString(spec.name));
  if (spec.pointSize > 0) font.setPointSize(spec.pointSize);
  font.setBold(spec.style & fsBold);
  font.setItalic(spec.style & fsItalic);
  return font;
}
}  // namespace

// The area under the buttons. Only its part on a screen is ever painted: a
// window far taller than the display would otherwise fill megabytes of
// backing store that nobody sees.
class TMainForm::ClientArea : public QWidget {
 public:
  explicit ClientArea(QWidget* parent) : QWidget(parent) { setAttribute(Qt::WA_OpaquePaintEvent); }

  // The part on a screen, in this widget's coordinates; what comes into
  // view is painted.
  void SetSeen(const QRect& seen) {
    const QRegion newlySeen = QRegion(seen) - QRegion(seen_);
    seen_ = seen;
    if (!newlySeen.isEmpty()) update(newlySeen);
  }

 protected:
  void paintEvent(QPaintEvent* event) override {
    QPainter painter(this);
    for (const QRect& part : event->region() & seen_) painter.fillRect(part, palette().window());
  }

 private:
  QRect seen_;
};

TMainForm::TMainForm(PrepareNativeWindow prepareNativeWindow)
    : QWidget(nullptr, Qt::Tool | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint | Qt::WindowDoesNotAcceptFocus) {
  setObjectName(QStringLiteral("TMainForm"));
  setWindowTitle(QStringLiteral("Corvinade"));
  setAttribute(Qt::WA_ShowWithoutActivating);
  setFocusPolicy(Qt::NoFocus);
  QFont windowFont(QString::fromStdString(kDefaultFontName));
  windowFont.setPixelSize(12);
  setFont(windowFont);

  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);
  layout->setSizeConstraint(QLayout::SetFixedSize);
  caption_ = new CaptionBar(this);
  layout->addWidget(caption_);
  // The client area and the caption cover the whole window.
  setAttribute(Qt::WA_OpaquePaintEvent);
  client_ = new ClientArea(this);
  client_->setObjectName(QStringLiteral("Client"));
  layout->addWidget(client_);

  captionMenu_ = new CaptionMenu(*caption_);
  connect(caption_, &CaptionBar::CloseRequested, this, [this] {
    if (parts_) parts_->close();
  });
  // The caption is part of the window: a press there is a use like one on the client area.
  connect(caption_, &CaptionBar::Pressed, this, [this] {
    if (parts_) parts_->pressed();
  });

  GroupBox = new QLineEdit(client_);
  GroupBox->setObjectName(QStringLiteral("GroupBox"));
  GroupBox->setReadOnly(true);
  GroupBox->setFocusPolicy(Qt::NoFocus);
  GroupBox->setCursor(Qt::ArrowCursor);
  GroupBox->setFrame(true);
  GroupBox->setTextMargins(1, 0, 0, 0);

  GroupButton = new QToolButton(client_);
  GroupButton->setObjectName(QStringLiteral("GroupButton"));
  GroupButton->setArrowType(Qt::DownArrow);
  GroupButton->setAutoRaise(true);
  GroupButton->setFocusPolicy(Qt::NoFocus);
  connect(GroupButton, &QToolButton::clicked, this, &TMainForm::GroupButtonClick);

  GroupList = new QComboBox(client_);
  GroupList->setObjectName(QStringLiteral("GroupList"));
  GroupList->setMaxVisibleItems(20);
  GroupList->setFocusPolicy(Qt::NoFocus);
  GroupList->hide();
  GroupList->view()->installEventFilter(this);
  connect(GroupList, &QComboBox::activated, this, [this](int index) {
    GroupList->hide();
    if (parts_ && !updatingList_) parts_->selectGroup(index);
  });

  Dummy = new QPushButton(client_);
  Dummy->setObjectName(QStringLiteral("Dummy"));
  Dummy->setGeometry(-100, 0, 10, 10);
  Dummy->setFocusPolicy(Qt::NoFocus);

  GroupBox->setAccessibleName(QStringLiteral("Group"));
  GroupButton->setAccessibleName(QStringLiteral("Choose group"));
  GroupList->setAccessibleName(QStringLiteral("Groups"));
  input_ = new WindowInput(*this);
  // Buttons show as they come onto a screen.
  for (QScreen* screen : QGuiApplication::screens())
    connect(screen, &QScreen::virtualGeometryChanged, this, &TMainForm::RevealButtons);
  connect(qApp, &QGuiApplication::screenAdded, this, [this](QScreen* screen) {
    connect(screen, &QScreen::virtualGeometryChanged, this, &TMainForm::RevealButtons);
    RevealButtons();
  });
  connect(qApp, &QGuiApplication::screenRemoved, this, &TMainForm::RevealButtons);
  // The native window exists from here on; the window manager's hints go on
  // before every map (see showEvent).
  winId();
  prepareNativeWindow_ = prepareNativeWindow;
}

TMainForm::~TMainForm() {
  if (input_) input_->SetParts(nullptr);
}

void TMainForm::SetParts(ButtonWindowParts parts) {
  parts_.emplace(std::move(parts));
  captionMenu_->SetParts(&*parts_);
  input_->SetParts(&*parts_);
}

TBitBtnWithColor* TMainForm::MakeControl(int number) {
  if (static_cast<std::size_t>(number) >= controls_.size()) controls_.resize(static_cast<std::size_t>(number) + 1);
  TBitBtnWithColor*& button = controls_[static_cast<std::size_t>(number)];
  if (button == nullptr) {
    button = new TBitBtnWithColor(number, client_);
    button->hide();  // shown once on a screen
    button->setFont(buttonFont_);
    connect(button, &TBitBtnWithColor::Pressed, this, &TMainForm::ButtonPressed);
    input_->AttachButton(button);
    if (number <= laidOut_) ApplyCell(button, cells_[static_cast<std::size_t>(number)]);
  }
  return button;
}

TBitBtnWithColor* TMainForm::MadeControl(int number) const {
  if (number < 1 || static_cast<std::size_t>(number) >= controls_.size()) return nullptr;
  return controls_[static_cast<std::size_t>(number)];
}

void TMainForm::ApplyCell(TBitBtnWithColor* button, const ButtonCell& cell) {
  // Only what changed is touched: every change repaints the button.
  if (button->font() != buttonFont_) button->setFont(buttonFont_);
  const QString caption = QString::fromUtf8(cell.caption.c_str());
  if (button->text() != caption) {
    button->setText(caption);
    button->setAccessibleName(caption);
  }
  button->SetFontColor(cell.fontColor);
  button->SetColor(cell.color);
  const QRect bounds(cell.bounds.left, cell.bounds.top, cell.bounds.width, cell.bounds.height);
  if (button->geometry() != bounds) button->setGeometry(bounds);
}

void TMainForm::ApplyLayout(const WindowLayout& layout) {
  buttonFont_ = ToQFont(layout.font);

  updatingList_ = true;
  GroupList->clear();
  for (const std::string& name : layout.groupList) GroupList->addItem(QString::fromUtf8(name.c_str()));
  GroupList->setCurrentIndex(layout.groupListIndex);
  GroupList->setFixedWidth(layout.groupListWidth);
  GroupList->setFont(buttonFont_);
  updatingList_ = false;

  GroupBox->setFont(buttonFont_);
  GroupBox->setGeometry(layout.groupBox.left, layout.groupBox.top, layout.groupBox.width, layout.groupBox.height);
  GroupBox->setText(QString::fromUtf8(layout.groupName.c_str()));
  GroupBox->setCursorPosition(0);
  GroupButton->setGeometry(layout.groupButton.left, layout.groupButton.top, layout.groupButton.width,
                           layout.groupButton.height);

  cells_.assign(1, ButtonCell{});
  for (const ButtonCell& cell : layout.buttons) {
    if (cell.number < 1) continue;
    if (static_cast<std::size_t>(cell.number) >= cells_.size())
      cells_.resize(static_cast<std::size_t>(cell.number) + 1);
    cells_[static_cast<std::size_t>(cell.number)] = cell;
  }
  laidOut_ = static_cast<int>(cells_.size()) - 1;
  for (int i = 1; i < static_cast<int>(controls_.size()); ++i) {
    if (TBitBtnWithColor* button = controls_[static_cast<std::size_t>(i)]) {
      if (i <= laidOut_) ApplyCell(button, cells_[static_cast<std::size_t>(i)]);
    }
  }
  SetClientSize(layout.client.width, layout.client.height);
  for (std::size_t i = static_cast<std::size_t>(laidOut_) + 1; i < controls_.size(); ++i) {
    if (controls_[i] != nullptr) controls_[i]->hide();
  }
  RevealButtons();
  if (isVisible()) raise();
}

void TMainForm::RevealButtons() {
  const QScreen* screen = this->screen() ? this->screen() : QGuiApplication::primaryScreen();
  if (!screen) return;
  const QRect desktop = screen->virtualGeometry();
  const QRect seen(client_->mapFromGlobal(desktop.topLeft()), desktop.size());
  client_->SetSeen(seen);
  for (int i = 1; i <= laidOut_; ++i) {
    const Rect& b = cells_[static_cast<std::size_t>(i)].bounds;
    const bool onScreen = seen.intersects(QRect(b.left, b.top, b.width, b.height));
    TBitBtnWithColor* button = onScreen ? MakeControl(i) : MadeControl(i);
    if (button != nullptr) button->setVisible(onScreen);
  }
}

void TMainForm::SetClientSize(int width, int height) {
  client_->setFixedSize(width, height);
  caption_->setFixedWidth(width);
  adjustSize();
}

QSize TMainForm::ClientSize() const { return client_->size(); }

void TMainForm::SetCaptionColor(int button, TColor color) {
  if (button >= 1 && button <= laidOut_) cells_[static_cast<std::size_t>(button)].fontColor = color;
  if (TBitBtnWithColor* control = MadeControl(button)) control->SetFontColor(color);
}

void TMainForm::SetButtonCaption(int button, const QString& caption) {
  if (button >= 1 && button <= laidOut_) cells_[static_cast<std::size_t>(button)].caption = caption.toStdString();
  if (TBitBtnWithColor* control = MadeControl(button)) {
    control->setText(caption);
    control->setAccessibleName(caption);
  }
}

TBitBtnWithColor* TMainForm::ButtonControl(int number) {
  if (number < 1) return nullptr;
  return number <= laidOut_ ? MakeControl(number) : MadeControl(number);
}

int TMainForm::ButtonUnderPointer() const { return ButtonAt(QCursor::pos()); }

int TMainForm::ButtonAt(const QPoint& global) const {
  if (!isVisible()) return -1;
  const QPoint pos = client_->mapFromGlobal(global);
  for (std::size_t i = 1; i < controls_.size(); ++i) {
    const TBitBtnWithColor* button = controls_[i];
    if (button != nullptr && button->isVisible() && button->geometry().contains(pos)) return static_cast<int>(i);
  }
  return -1;
}

void TMainForm::ShowWithoutActivating() {
  show();
  raise();
}

void TMainForm::moveEvent(QMoveEvent* event) {
  QWidget::moveEvent(event);
  RevealButtons();
  if (parts_ && isVisible()) parts_->moved();
}

void TMainForm::showEvent(QShowEvent* event) {
  // Sent before the window is mapped. The window manager drops the window's
  // state when it is hidden (withdrawn), so the hints go on again each time.
  if (prepareNativeWindow_ && !event->spontaneous()) prepareNativeWindow_(static_cast<std::uint64_t>(winId()));
  QWidget::showEvent(event);
  RevealButtons();
}

void TMainForm::mousePressEvent(QMouseEvent* event) {
  QWidget::mousePressEvent(event);
  if (parts_) parts_->pressed();
}

void TMainForm::GroupButtonClick() {
  // The list sits just above the client area, so only its drop-down shows.
  GroupList->move(0, -GroupList->height());
  GroupList->show();
  GroupList->showPopup();
}

bool TMainForm::eventFilter(QObject* watched, QEvent* event) {
  if (watched == GroupList->view() && event->type() == QEvent::Hide) GroupList->hide();
  return QWidget::eventFilter(watched, event);
}

void TMainForm::ButtonPressed(int number, Qt::MouseButton button) {
  if (parts_)
    parts_->buttonPressed(number, button == Qt::LeftButton    ? MouseButton::Left
                                  : button == Qt::RightButton ? MouseButton::Right
                                                              : MouseButton::Other);
}

void TMainForm::keyPressEvent(QKeyEvent* event) {
  const QString text = event->text();
  if (parts_ && text.size() == 1 && text[0].unicode() > 0x20 && text[0].unicode() < 0x7F) {
    parts_->shortcuts.DummyKeyPress(static_cast<char>(text[0].unicode()));
    return;
  }
  QWidget::keyPressEvent(event);
}

}  // namespace cvd::ui
