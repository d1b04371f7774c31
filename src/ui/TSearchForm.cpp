#include "ui/TSearchForm.h"

#include <QAbstractTableModel>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTableView>
#include <QTimer>
#include <QVBoxLayout>

#include "core/search/ButtonSearch.h"

namespace cvd::ui {

// The hit list as the core holds it: nothing is copied into the view. With
// no hits it shows one empty row, which names no button.
class SearchHitModel : public QAbstractTableModel {
 public:
  using QAbstractTableModel::QAbstractTableModel;
  void SetSearch(const ButtonSearch* search) { search_ = search; }

  void Update(int unchanged, int count) {
    if (unchanged == 0 || shown_ == 0) {
      beginResetModel();
      shown_ = count;
      endResetModel();
    } else if (count > shown_) {
      beginInsertRows(QModelIndex(), shown_, count - 1);
      shown_ = count;
      endInsertRows();
    }
  }

  int rowCount(const QModelIndex& parent) const override { return parent.isValid() ? 0 : std::max(1, shown_); }
  int columnCount(const QModelIndex& parent) const override { return parent.isValid() ? 0 : 4; }

  QVariant data(const QModelIndex& index, int role) const override {
    if (role != Qt::DisplayRole && role != Qt::ToolTipRole) return {};
    if (!search_ || index.row() >= shown_ || index.row() >= static_cast<int>(search_->Hits().size())) return {};
    const SearchHit& hit = search_->Hits()[index.row()];
    switch (index.column()) {
      case 0: return QString::fromStdString(hit.groupName);
      case 1: return QString::fromStdString(hit.buttonName);
      case 2: {
        // One line of a long text is enough to recognise it.
        constexpr int kShownBytes = 400;
        QString text =
            QString::fromUtf8(hit.text.data(), std::min<int>(kShownBytes, static_cast<int>(hit.text.size())));
        return text.replace(QStringLiteral("\r\n"), QStringLiteral(" ")).replace(QLatin1Char('\n'), QLatin1Char(' '));
      }
      default: return QString::fromStdString(hit.Key());
    }
  }

  QVariant headerData(int section, Qt::Orientation orientation, int role) const override {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole) return {};
    static const char* const kTitles[] = {"Group", "Button", "Text", "Key"};
    return QString::fromLatin1(kTitles[std::clamp(section, 0, 3)]);
  }

 private:
  const ButtonSearch* search_ = nullptr;
  int shown_ = 0;
};

namespace {

QPushButton* AddButton(QBoxLayout* row, const QString& caption, const QString& name, const QString& hint) {
  auto* button = new QPushButton(caption);
  button->setObjectName(name);
  button->setAccessibleName(QString(caption).remove('&'));
  button->setToolTip(hint);
  button->setAutoDefault(false);  // Return in the search box must not press one
  row->addWidget(button, 1);
  return button;
}

}  // namespace

TSearchForm::TSearchForm() {
  setObjectName(QStringLiteral("TSearchForm"));
  setWindowTitle(QStringLiteral("Search"));
  setAccessibleName(QStringLiteral("Search"));
  setWindowFlag(Qt::Tool);
  setMinimumSize(400, 240);

  auto* searchForLabel = new QLabel(QStringLiteral("&Search For:"));
  FoundLabel = new QLabel(QStringLiteral("0 Buttons Found"));
  FoundLabel->setObjectName(QStringLiteral("FoundLabel"));
  FoundLabel->setAccessibleName(QStringLiteral("Buttons Found"));
  FoundLabel->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  SearchFor = new QLineEdit;
  SearchFor->setObjectName(QStringLiteral("SearchFor"));
  SearchFor->setAccessibleName(QStringLiteral("Search For"));
  SearchFor->setPlaceholderText(QStringLiteral("Search for..."));
  SearchFor->installEventFilter(this);
  searchForLabel->setBuddy(SearchFor);
  SettingsButton = new QPushButton(QStringLiteral("&Options"));
  SettingsButton->setObjectName(QStringLiteral("SettingsButton"));
  SettingsButton->setAccessibleName(QStringLiteral("Search Options"));
  SettingsButton->setAutoDefault(false);

  SettingsMenu = new QMenu(this);
  SettingsMenu->setObjectName(QStringLiteral("SettingsMenu"));
  SettingsMenu->setAccessibleName(QStringLiteral("Search Options"));
  const char* const kOptionCaptions[] = {"Search All Groups", "Case Sensitive", "Search Button Name",
                                         "Search Button Text"};
  for (int i = 0; i < 4; ++i) {
    options_[i] = SettingsMenu->addAction(QString::fromLatin1(kOptionCaptions[i]));
    options_[i]->setCheckable(true);
  }
  SettingsMenu->addSeparator();
  SettingsMenu->addAction(QStringLiteral("Close"));

  model_ = new SearchHitModel(this);
  Grid = new QTableView;
  Grid->setObjectName(QStringLiteral("Grid"));
  Grid->setAccessibleName(QStringLiteral("Search Results"));
  Grid->setModel(model_);
  Grid->setSelectionBehavior(QAbstractItemView::SelectRows);
  Grid->setSelectionMode(QAbstractItemView::SingleSelection);
  Grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
  Grid->setWordWrap(false);
  Grid->verticalHeader()->hide();
  // Fixed row heights: thousands of rows arrive while the user types.
  Grid->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
  Grid->verticalHeader()->setDefaultSectionSize(Grid->fontMetrics().height() + 4);
  Grid->horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
  Grid->horizontalHeader()->setStretchLastSection(false);
  Grid->setColumnWidth(0, 100);
  Grid->setColumnWidth(1, 100);
  Grid->horizontalHeader()->setSectionResizeMode(2, QHeaderView::Stretch);
  Grid->setColumnHidden(3, true);  // the key stays beyond sight
  Grid->installEventFilter(this);

  auto* buttons = new QHBoxLayout;
  EditButton = AddButton(buttons, QStringLiteral("&Edit"), QStringLiteral("EditButton"),
                         QStringLiteral("Open the selected button in the editor"));
  ShowButton = AddButton(buttons, QStringLiteral("S&how"), QStringLiteral("ShowButton"),
                         QStringLiteral("Make the selected button blink in the button window"));
  ClickButton = AddButton(buttons, QStringLiteral("&Click"), QStringLiteral("ClickButton"),
                          QStringLiteral("Paste the selected button (Return in the list)"));
  ExitButton = AddButton(buttons, QStringLiteral("E&xit"), QStringLiteral("ExitButton"), QStringLiteral("Close"));

  auto* top = new QHBoxLayout;
  top->addWidget(searchForLabel);
  top->addStretch(1);
  top->addWidget(FoundLabel);
  auto* searchRow = new QHBoxLayout;
  searchRow->addWidget(SearchFor, 1);
  searchRow->addWidget(SettingsButton);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(top);
  layout->addLayout(searchRow);
  layout->addWidget(Grid, 1);
  layout->addLayout(buttons);
  setTabOrder(SearchFor, SettingsButton);
  setTabOrder(SettingsButton, Grid);

  connect(SearchFor, &QLineEdit::textChanged, this, [this](const QString& text) {
    if (search_) search_->SearchForChange(text.toStdString());
  });
  connect(SettingsButton, &QPushButton::clicked, this, [this] { SettingsButtonClick(); });
  connect(EditButton, &QPushButton::clicked, this, [this] {
    if (search_) search_->EditClick(SelectedRow());
  });
  connect(ShowButton, &QPushButton::clicked, this, [this] {
    if (search_) search_->ShowClick(SelectedRow());
  });
  connect(ClickButton, &QPushButton::clicked, this, [this] {
    if (search_) search_->PasteClick(SelectedRow());
  });
  connect(ExitButton, &QPushButton::clicked, this, [this] {
    if (search_)
      search_->ExitClick();
    else
      reject();
  });
}

TSearchForm::~TSearchForm() = default;

void TSearchForm::SetSearch(ButtonSearch* search) {
  search_ = search;
  model_->SetSearch(search);
}

QPushButton* TSearchForm::Button(const QString& name) const { return findChild<QPushButton*>(name); }

std::optional<int> TSearchForm::SelectedRow() const {
  const QModelIndexList rows = Grid->selectionModel()->selectedRows();
  if (rows.isEmpty()) return std::nullopt;
  return rows.first().row();
}

void TSearchForm::ShowModal(const Rect& frame) {
  move(frame.left, frame.top);
  resize(std::max(frame.width, minimumWidth()), std::max(frame.height, minimumHeight()));
  SearchFor->setFocus();
  SearchFor->selectAll();
  // Window managers may keep a dialog of a background program behind; it is
  // raised again once it is mapped.
  QTimer::singleShot(25, this, [this] {
    raise();
    activateWindow();
  });
  raise();
  activateWindow();
  exec();
}

void TSearchForm::Close() { reject(); }

Rect TSearchForm::Frame() { return Rect{x(), y(), width(), height()}; }

void TSearchForm::HitsChanged(int unchanged, int count) { model_->Update(unchanged, count); }

void TSearchForm::SetFoundText(const std::string& text) { FoundLabel->setText(QString::fromStdString(text)); }

void TSearchForm::SetOptions(const SearchOptions& options) {
  const bool ticks[] = {options.allGroups, options.caseSensitive, options.name, options.text};
  for (int i = 0; i < 4; ++i) options_[i]->setChecked(ticks[i]);
}

void TSearchForm::SetEditEnabled(bool enabled) { EditButton->setEnabled(enabled); }

void TSearchForm::SettingsButtonClick() {
  // The menu opens again after each choice, so that several options can be
  // set in a row; "Close" or Escape ends it.
  const QPoint below = SettingsButton->mapToGlobal(QPoint(0, SettingsButton->height()));
  for (;;) {
    QAction* chosen = SettingsMenu->exec(below);
    int which = -1;
    for (int i = 0; i < 4; ++i)
      if (chosen == options_[i]) which = i;
    if (which < 0 || !search_) return;
    // The menu has ticked the entry itself; the core's answer sets every tick.
    search_->ToggleOption(static_cast<SearchOption>(which));
  }
}

bool TSearchForm::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::KeyPress) {
    const auto* key = static_cast<QKeyEvent*>(event);
    // Down from the search box goes to the first hit.
    if (watched == SearchFor && key->key() == Qt::Key_Down) {
      Grid->setFocus();
      Grid->selectRow(std::max(0, Grid->currentIndex().row()));
      return true;
    }
    // Return on a hit pastes it.
    if (watched == Grid && (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter)) {
      ClickButton->click();
      return true;
    }
  }
  return QDialog::eventFilter(watched, event);
}

}  // namespace cvd::ui
