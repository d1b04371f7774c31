#include "ui/TColorForm.h"

#include <QColorDialog>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QPixmap>
#include <QPushButton>

#include "core/data/Colors.h"
#include "core/groups/FavoriteColors.h"
#include "ui/ColorMap.h"
#include "ui/CursorMessageDlg.h"
#include "ui/TBitBtnWithColor.h"

namespace cvd::ui {

namespace {
constexpr int kCustomRole = Qt::UserRole + 1;
const QString kCustomCaption = QStringLiteral("Custom...");

QIcon Swatch(TColor color, const QPalette& palette) {
  QPixmap pixmap(16, 12);
  pixmap.fill(ToQColor(color, palette));
  return QIcon(pixmap);
}

QComboBox* ColorBox(const QString& name, QWidget* parent) {
  auto* box = new QComboBox(parent);
  box->setObjectName(name);
  box->setAccessibleName(name);
  for (TColor color : NamedColors()) {
    if (color == clNone) continue;
    box->addItem(Swatch(color, box->palette()), QString::fromStdString(ColorDisplayName(color)),
                 QVariant::fromValue<qint32>(color));
  }
  box->addItem(kCustomCaption);
  box->setItemData(box->count() - 1, true, kCustomRole);
  // Wide enough for the longest name, so none is cut.
  box->setSizeAdjustPolicy(QComboBox::AdjustToContents);
  return box;
}

TColor ColorOf(const QComboBox* box) { return box->currentData().value<qint32>(); }
}  // namespace

TColorForm::TColorForm(const ColorPair& preset, std::vector<ColorPair> favorites) : favorites_(std::move(favorites)) {
  setWindowTitle(QStringLiteral("Button Color"));
  setObjectName(QStringLiteral("TColorForm"));
  auto* grid = new QGridLayout(this);
  TextColor = ColorBox(QStringLiteral("Text color"), this);
  ButtonColor = ColorBox(QStringLiteral("Background color"), this);
  ExampleButton = new TBitBtnWithColor(0, this);
  ExampleButton->setText(QStringLiteral("Example Button"));
  ExampleButton->setAccessibleName(QStringLiteral("Example Button"));
  ExampleButton->setFocusPolicy(Qt::NoFocus);
  ExampleButton->setMinimumSize(120, 28);
  FavList = new QListWidget(this);
  FavList->setObjectName(QStringLiteral("FavList"));
  FavList->setAccessibleName(QStringLiteral("Favorites"));
  FavList->installEventFilter(this);
  ResetButton = new QPushButton(QStringLiteral("Reset Colors"), this);
  AddFavoriteButton = new QPushButton(QStringLiteral("Add to favorites"), this);
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);

  grid->addWidget(new QLabel(QStringLiteral("Text color:"), this), 0, 0);
  grid->addWidget(TextColor, 0, 1);
  grid->addWidget(new QLabel(QStringLiteral("Background color:"), this), 1, 0);
  grid->addWidget(ButtonColor, 1, 1);
  grid->addWidget(ExampleButton, 2, 0, 1, 2);
  grid->addWidget(ResetButton, 3, 0);
  grid->addWidget(AddFavoriteButton, 3, 1);
  grid->addWidget(buttons, 4, 0, 1, 2);
  grid->addWidget(FavList, 0, 2, 5, 1);

  for (QComboBox* box : {TextColor, ButtonColor}) {
    connect(box, &QComboBox::activated, this, [this, box](int index) {
      if (box->itemData(index, kCustomRole).toBool()) {
        const QColor picked = QColorDialog::getColor(Qt::white, this, QStringLiteral("Custom color"));
        if (picked.isValid())
          SetColor(box, picked.red() | (picked.green() << 8) | (picked.blue() << 16));
        else
          box->setCurrentIndex(0);
      }
      ShowExample();
    });
  }
  connect(ResetButton, &QPushButton::clicked, this, [this] {
    SetColor(TextColor, clBlack);
    SetColor(ButtonColor, clBtnFace);
    ShowExample();
  });
  connect(AddFavoriteButton, &QPushButton::clicked, this, &TColorForm::AddToFavorites);
  connect(FavList, &QListWidget::itemDoubleClicked, this,
          [this](QListWidgetItem* item) { UseFavorite(FavList->row(item)); });
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

  SetColor(TextColor, preset.text);
  SetColor(ButtonColor, preset.face);
  ShowExample();
  FillFavList();
}

void TColorForm::SetColor(QComboBox* box, TColor color) {
  int index = box->findData(QVariant::fromValue<qint32>(color));
  if (index < 0) {
    // One custom colour sits just before "Custom...".
    const int custom = box->count() - 1;
    if (custom > 0 && box->itemText(custom - 1).startsWith('$')) box->removeItem(custom - 1);
    box->insertItem(box->count() - 1, Swatch(color, box->palette()), QString::fromStdString(ColorToString(color)),
                    QVariant::fromValue<qint32>(color));
    index = box->count() - 2;
  }
  box->setCurrentIndex(index);
}

ColorPair TColorForm::Chosen() const { return ColorPair{ColorOf(TextColor), ColorOf(ButtonColor)}; }

void TColorForm::ShowExample() {
  ExampleButton->SetFontColor(ColorOf(TextColor));
  ExampleButton->SetColor(ColorOf(ButtonColor));
}

void TColorForm::FillFavList() {
  FavList->clear();
  for (const ColorPair& pair : favorites_) {
    auto* item = new QListWidgetItem(QStringLiteral("Favorite"), FavList);
    item->setBackground(ToQColor(pair.face, palette()));
    item->setForeground(ToQColor(pair.text, palette()));
    item->setTextAlignment(Qt::AlignCenter);
  }
  if (FavList->count() > 0) FavList->setCurrentRow(0);
}

void TColorForm::AddToFavorites() {
  if (const std::optional<std::string> refused = AddFavorite(favorites_, Chosen())) {
    RunCursorMessageDlg(QString::fromStdString(*refused), MsgKind::Error, MsgButtons::Ok, nullptr);
    return;
  }
  FillFavList();
  FavList->setCurrentRow(FavList->count() - 1);
}

void TColorForm::DeleteSelectedFavorite() {
  const int row = FavList->currentRow();
  if (row < 0 || row >= static_cast<int>(favorites_.size())) return;
  if (RunCursorMessageDlg(QString::fromUtf8(kDeleteFavoriteText), MsgKind::Confirmation, MsgButtons::YesNo, nullptr) !=
      MsgResult::Yes) {
    return;
  }
  favorites_.erase(favorites_.begin() + row);
  FillFavList();
}

void TColorForm::UseFavorite(int row) {
  if (row < 0 || row >= static_cast<int>(favorites_.size())) return;
  SetColor(TextColor, favorites_[row].text);
  SetColor(ButtonColor, favorites_[row].face);
  ShowExample();
}

bool TColorForm::eventFilter(QObject* watched, QEvent* event) {
  if (watched == FavList && event->type() == QEvent::KeyPress) {
    const int key = static_cast<QKeyEvent*>(event)->key();
    if (key == Qt::Key_Delete) {
      DeleteSelectedFavorite();
      return true;
    }
    if (key == Qt::Key_Return || key == Qt::Key_Enter) {
      UseFavorite(FavList->currentRow());
      return true;
    }
  }
  return QDialog::eventFilter(watched, event);
}

}  // namespace cvd::ui
