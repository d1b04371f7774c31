#include "ui/SetupShortcutsPage.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCursor>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QTableWidget>
#include <QVBoxLayout>

#include "core/setup/PasteMethodPage.h"
#include "core/shortcuts/KeyValue.h"
#include "core/shortcuts/ShortcutPage.h"
#include "ui/FormButtons.h"
#include "ui/MacroLineEdit.h"
#include "ui/QtText.h"

namespace cvd::ui {

namespace {

template <typename W>
W* Named(W* widget, const char* objectName, const QString& accessibleName) {
  widget->setObjectName(QString::fromLatin1(objectName));
  widget->setAccessibleName(accessibleName);
  return widget;
}

// The hint shows in the dialog's status bar; like the dialog's other
// options, a click does not take the focus, the keyboard does.
template <typename W>
W* Hinted(W* control, const char* hint) {
  control->setStatusTip(QString::fromUtf8(hint));
  control->setAccessibleDescription(control->statusTip());
  if (qobject_cast<QAbstractButton*>(control)) control->setFocusPolicy(Qt::TabFocus);
  return control;
}

QPushButton* Button(QBoxLayout* row, const char* objectName, const QString& caption, const char* hint) {
  QPushButton* button = AddFormButton(row, caption, QString::fromUtf8(hint));
  button->setObjectName(QString::fromLatin1(objectName));
  return Hinted(button, hint);
}

QCheckBox* ModifierBox(const char* objectName, const char* caption, const char* hint) {
  return Hinted(Named(new QCheckBox(QString::fromLatin1(caption)), objectName, QString::fromLatin1(caption)), hint);
}

QLabel* BuddyLabel(const QString& caption, QWidget* buddy) {
  auto* label = new QLabel(caption);
  label->setBuddy(buddy);
  return label;
}

// Shown where the desktop holds the shortcut keys and assigns their triggers.
constexpr const char* kDesktopKeysNote = "Your desktop decides these keys; it may have changed them.";
// The column of the trigger the desktop assigned.
constexpr int kAssignedColumn = 3;

constexpr const char* kMatchCaptions[] = {"Beginning of title", "Anywhere in title", "End of title", "Exactly"};

}  // namespace

SetupShortcutsPage::SetupShortcutsPage(ShortcutPage& shortcuts, PasteMethodPage& methods, QWidget* parent)
    : QWidget(parent), shortcuts_(shortcuts), methods_(methods) {
  setObjectName(QStringLiteral("ShortcutsPage"));
  setAccessibleName(QStringLiteral("Shortcuts"));
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(BuildShortcutBox(), 1);
  layout->addWidget(BuildPasteMethodBox());
  // Takes the focus after a change, so that no option control keeps it.
  Dummy = Named(new QWidget(this), "Dummy", QStringLiteral("Dummy"));
  Dummy->setFocusPolicy(Qt::StrongFocus);
  Dummy->setGeometry(-100, 0, 10, 10);
  methodsChanged_ = methods_.SubscribeToChanges([this] { AfterWait(); });
  assignedChanged_ = shortcuts_.SubscribeToAssigned([this] { ShowAssigned(); });
}

QGroupBox* SetupShortcutsPage::BuildShortcutBox() {
  auto* box = Named(new QGroupBox(QStringLiteral("Shortcuts")), "ShortcutsBox", QStringLiteral("Shortcuts"));
  KeyList = Hinted(Named(new QTableWidget(0, 4), "KeyList", QStringLiteral("Shortcut keys")),
                   "Pick a function to see or change its key");
  KeyList->setHorizontalHeaderLabels(
      {QStringLiteral("Function"), QStringLiteral("Key"), QStringLiteral("Value"), QStringLiteral("Desktop key")});
  KeyList->verticalHeader()->hide();
  KeyList->setEditTriggers(QAbstractItemView::NoEditTriggers);
  KeyList->setSelectionBehavior(QAbstractItemView::SelectRows);
  KeyList->setSelectionMode(QAbstractItemView::SingleSelection);
  KeyList->setTabKeyNavigation(false);
  KeyList->setWordWrap(false);
  KeyList->verticalHeader()->setDefaultSectionSize(KeyList->fontMetrics().height() + 6);
  KeyList->horizontalHeader()->setSectionResizeMode(0, QHeaderView::Stretch);
  KeyList->horizontalHeader()->setSectionResizeMode(1, QHeaderView::ResizeToContents);
  KeyList->horizontalHeader()->setSectionResizeMode(2, QHeaderView::ResizeToContents);
  KeyList->horizontalHeader()->setSectionResizeMode(kAssignedColumn, QHeaderView::ResizeToContents);
  DesktopKeysNote =
      Named(new QLabel(QString::fromUtf8(kDesktopKeysNote)), "DesktopKeysNote", QString::fromUtf8(kDesktopKeysNote));
  DesktopKeysNote->setWordWrap(true);
  KeyList->setMinimumHeight(110);
  KeyList->installEventFilter(this);
  AltBox = ModifierBox("AltBox", "Alt", "Hold Alt with the key");
  CtrlBox = ModifierBox("CtrlBox", "Ctrl", "Hold Ctrl with the key");
  ShiftBox = ModifierBox("ShiftBox", "Shift", "Hold Shift with the key (only together with Alt, Ctrl or Super)");
  WinBox = ModifierBox("WinBox", "Super", "Hold the Super (logo) key with the key");
  Keys = Hinted(Named(new QComboBox, "Keys", QStringLiteral("Key")), "The key of the shortcut");
  for (const std::string& name : SetupKeyNames()) Keys->addItem(Q(name));
  Keys->setMaxVisibleItems(16);
  auto* boxes = new QHBoxLayout;
  for (QCheckBox* modifier : {AltBox, CtrlBox, ShiftBox, WinBox}) {
    boxes->addWidget(modifier);
    connect(modifier, &QCheckBox::clicked, this, [this] { BoxClicked(); });
  }
  boxes->addStretch(1);
  boxes->addWidget(BuddyLabel(QStringLiteral("&Key:"), Keys));
  boxes->addWidget(Keys);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch(1);
  UpdateButton =
      Button(buttons, "UpdateButton", QStringLiteral("Update"), "Give the selected function the key chosen here");
  ClearButton = Button(buttons, "ClearButton", QStringLiteral("Clear"), "Take the key from the selected function");
  auto* layout = new QVBoxLayout(box);
  layout->addWidget(KeyList, 1);
  layout->addWidget(DesktopKeysNote);
  layout->addLayout(boxes);
  layout->addLayout(buttons);

  connect(KeyList, &QTableWidget::currentCellChanged, this, [this](int row) {
    if (filling_ || row < 0) return;
    shortcuts_.ShowKeySettings(row);
    FillBoxes();
  });
  connect(Keys, &QComboBox::currentTextChanged, this, [this](const QString& name) {
    if (!filling_) shortcuts_.boxes.key = name.toStdString();
  });
  connect(UpdateButton, &QPushButton::clicked, this, [this] { UpdateClicked(false); });
  connect(ClearButton, &QPushButton::clicked, this, [this] { UpdateClicked(true); });
  return box;
}

QGroupBox* SetupShortcutsPage::BuildPasteMethodBox() {
  auto* box = Named(new QGroupBox(QStringLiteral("Window specific paste methods")), "PasteMethodsBox",
                    QStringLiteral("Window specific paste methods"));
  WatchList = Hinted(Named(new QComboBox, "WatchList", QStringLiteral("Window title")),
                     "Text looked for in the target window's title; typing renames the method");
  WatchList->setEditable(true);
  WatchList->setInsertPolicy(QComboBox::NoInsert);
  WatchList->setCompleter(nullptr);  // completion would rewrite the title being typed
  WatchList->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
  WatchList->setMinimumContentsLength(12);
  MatchLabel = Hinted(Named(new QPushButton, "MatchLabel", QStringLiteral("Match")),
                      "Where the text must stand in the window title");
  MatchLabel->setFlat(true);
  auto* macroBox = new MacroLineEdit;
  PasteKeyBox = Named<QLineEdit>(macroBox, "PasteKeyBox", QStringLiteral("Key macro"));
  Hinted(PasteKeyBox, "Keys sent to paste; the right mouse button or the menu key inserts keys");
  PasteDelayBox = Hinted(Named(new QSpinBox, "PasteDelayBox", QStringLiteral("Delay in milliseconds")),
                         "Milliseconds between putting the text on the clipboard and sending the keys");
  PasteDelayBox->setRange(kMinPasteMethodDelay, kMaxPasteMethodDelay);
  PasteDelayBox->setSingleStep(25);
  PasteDelayBox->setSuffix(QStringLiteral(" ms"));

  auto* grid = new QGridLayout(box);
  grid->addWidget(BuddyLabel(QStringLiteral("W&indow:"), WatchList), 0, 0);
  grid->addWidget(WatchList, 0, 1, 1, 2);
  grid->addWidget(MatchLabel, 0, 3);
  grid->addWidget(BuddyLabel(QStringLiteral("Key macr&o:"), PasteKeyBox), 1, 0);
  grid->addWidget(PasteKeyBox, 1, 1, 1, 3);
  grid->addWidget(BuddyLabel(QStringLiteral("Dela&y:"), PasteDelayBox), 2, 0);
  grid->addWidget(PasteDelayBox, 2, 1);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch(1);
  // Mnemonics keep clear of the letters of the default shortcut keys (Alt+A,
  // C, D, E, H, L, M, N, P, R, S, U, V), which the system takes first.
  NewWinButton =
      Button(buttons, "NewWinButton", QStringLiteral("Ne&w"), "Add a paste method for the window you click next");
  DelWinButton = Button(buttons, "DelWinButton", QStringLiteral("Delete"), "Delete this paste method");
  TestWinButton =
      Button(buttons, "TestWinButton", QStringLiteral("&Test"), "Paste \"Paste Test\" into the window you click next");
  grid->addLayout(buttons, 3, 0, 1, 4);
  grid->setColumnStretch(1, 1);
  grid->setColumnStretch(2, 1);

  connect(WatchList, &QComboBox::activated, this, [this](int index) {
    methods_.Select(index);
    FillMethod();
  });
  connect(WatchList->lineEdit(), &QLineEdit::textEdited, this, [this](const QString& text) { WatchListEdited(text); });
  connect(PasteKeyBox, &QLineEdit::textChanged, this, [this](const QString& text) {
    if (!filling_) methods_.SetKeyMacro(text.toStdString());
  });
  connect(PasteDelayBox, &QSpinBox::valueChanged, this, [this](int value) {
    if (!filling_) methods_.SetDelay(value);
  });
  connect(MatchLabel, &QPushButton::clicked, this, [this] { ShowMatchMenu(); });
  connect(NewWinButton, &QPushButton::clicked, this, [this] {
    methods_.NewWinButtonClick();
    RefreshEnabled();
  });
  connect(TestWinButton, &QPushButton::clicked, this, [this] {
    methods_.TestWinButtonClick();
    RefreshEnabled();
  });
  connect(DelWinButton, &QPushButton::clicked, this, [this] {
    methods_.DelWinButtonClick();
    FillMethods();
    Dummy->setFocus();
  });
  return box;
}

void SetupShortcutsPage::Load() {
  shortcuts_.UpdateShortcutList();
  FillGrid();
  const bool desktop = shortcuts_.DesktopDecides();
  KeyList->setColumnHidden(kAssignedColumn, !desktop);
  DesktopKeysNote->setVisible(desktop);
  ShowShortcutRow(shortcuts_.SelectedRow() < 0 ? 0 : shortcuts_.SelectedRow());
  methods_.Load();
  FillMethods();
  RefreshEnabled();
}

bool SetupShortcutsPage::CanClose() {
  // A delay typed but not yet taken is taken (or put back) now; the spin box
  // cannot hold a value outside its range, so nothing here blocks closing.
  PasteDelayBox->interpretText();
  return true;
}

void SetupShortcutsPage::Save() {
  PasteDelayBox->interpretText();
  // The options are live in the settings; a wait for a window ends with the dialog.
  methods_.CancelWait();
}

void SetupShortcutsPage::ShowShortcutRow(int row) {
  if (row < 0 || row >= KeyList->rowCount()) return;
  {
    const QSignalBlocker blocker(KeyList);
    KeyList->setCurrentCell(row, 0);
  }
  KeyList->scrollToItem(KeyList->item(row, 0), QAbstractItemView::PositionAtTop);
  KeyList->setFocus();
  shortcuts_.ShowKeySettings(row);
  FillBoxes();
}

void SetupShortcutsPage::FillGrid() {
  const QSignalBlocker blocker(KeyList);
  KeyList->setRowCount(static_cast<int>(shortcuts_.Rows().size()));
  for (int row = 0; row < KeyList->rowCount(); ++row) FillRow(row);
}

void SetupShortcutsPage::FillRow(int row) {
  const ShortcutRow& data = shortcuts_.Rows()[static_cast<std::size_t>(row)];
  const QString texts[] = {Q(data.name), Q(data.display), QString::number(data.value), Q(data.assigned)};
  for (int column = 0; column < 4; ++column) KeyList->setItem(row, column, new QTableWidgetItem(texts[column]));
}

void SetupShortcutsPage::ShowAssigned() {
  // The desktop answers a change of keys later, or the user changes them in
  // its settings while the page shows.
  shortcuts_.UpdateShortcutList();
  if (static_cast<int>(shortcuts_.Rows().size()) != KeyList->rowCount()) return;
  for (int row = 0; row < KeyList->rowCount(); ++row) {
    KeyList->item(row, kAssignedColumn)->setText(Q(shortcuts_.Rows()[static_cast<std::size_t>(row)].assigned));
  }
}

void SetupShortcutsPage::FillBoxes() {
  filling_ = true;
  const KeyBoxes& boxes = shortcuts_.boxes;
  AltBox->setChecked(boxes.alt);
  CtrlBox->setChecked(boxes.ctrl);
  ShiftBox->setChecked(boxes.shift);
  ShiftBox->setEnabled(boxes.shiftEnabled);
  WinBox->setChecked(boxes.win);
  const int index = Keys->findText(Q(boxes.key));
  Keys->setCurrentIndex(index < 0 ? 0 : index);
  filling_ = false;
}

void SetupShortcutsPage::BoxClicked() {
  KeyBoxes& boxes = shortcuts_.boxes;
  boxes.alt = AltBox->isChecked();
  boxes.ctrl = CtrlBox->isChecked();
  boxes.shift = ShiftBox->isChecked();
  boxes.win = WinBox->isChecked();
  shortcuts_.BoxClick();
  FillBoxes();
}

void SetupShortcutsPage::UpdateClicked(bool clear) {
  if (clear) {
    shortcuts_.ClearButtonClick();
  } else {
    shortcuts_.UpdateButtonClick();
  }
  const int row = shortcuts_.SelectedRow();
  if (row >= 0 && row < KeyList->rowCount()) FillRow(row);
  FillBoxes();
  Dummy->setFocus();
}

void SetupShortcutsPage::FillMethods() {
  filling_ = true;
  WatchList->clear();
  for (const PasteMethod& method : methods_.Methods()) WatchList->addItem(Q(method.Title));
  filling_ = false;
  FillMethod();
}

void SetupShortcutsPage::FillMethod() {
  filling_ = true;
  const PasteMethod& method = methods_.Method();
  WatchList->setCurrentIndex(methods_.Current());
  PasteKeyBox->setText(Q(method.KeyMacro));
  PasteDelayBox->setValue(method.Delay);
  const std::string label = MatchLabelText(method.Match);
  MatchLabel->setText(label.empty() ? QStringLiteral("Match") : Q(label));
  MatchLabel->setAccessibleName(MatchLabel->text());
  filling_ = false;
}

void SetupShortcutsPage::WatchListEdited(const QString& text) {
  // The list shows no current entry while its text is typed: the edit goes
  // to the page's current entry.
  methods_.Rename(text.toStdString());
  QLineEdit* edit = WatchList->lineEdit();
  const int caret = edit->cursorPosition();
  filling_ = true;
  WatchList->setItemText(methods_.Current(), text);
  if (edit->text() != text) edit->setText(text);
  edit->setCursorPosition(caret);
  filling_ = false;
}

void SetupShortcutsPage::ShowMatchMenu() {
  QMenu menu(this);
  menu.setAccessibleName(QStringLiteral("Match"));
  const int current = methods_.Method().Match;
  for (int match = 0; match < 4; ++match) {
    QAction* action = menu.addAction(QString::fromLatin1(kMatchCaptions[match]));
    action->setCheckable(true);
    action->setChecked(match == current);
    connect(action, &QAction::triggered, this, [this, match] {
      methods_.ChooseMatch(match);
      FillMethod();
    });
  }
  menu.addAction(QStringLiteral("Cancel"));
  // At the mouse after a click, under the label when opened from the keyboard.
  const bool byMouse = MatchLabel->rect().contains(MatchLabel->mapFromGlobal(QCursor::pos()));
  menu.exec(byMouse ? QCursor::pos() : MatchLabel->mapToGlobal(QPoint(0, MatchLabel->height())));
  Dummy->setFocus();
}

void SetupShortcutsPage::AfterWait() {
  const int before = WatchList->count();
  FillMethods();
  RefreshEnabled();
  if (WatchList->count() > before) WatchList->setFocus();
}

void SetupShortcutsPage::RefreshEnabled() {
  // While "New" or "Test" waits for a window, the page takes no command.
  setEnabled(!methods_.Waiting());
}

bool SetupShortcutsPage::eventFilter(QObject* watched, QEvent* event) {
  // The keyboard does not move into the value column.
  if (watched == KeyList && event->type() == QEvent::KeyPress) {
    const auto* key = static_cast<QKeyEvent*>(event);
    if (key->key() == Qt::Key_Right && KeyList->currentColumn() >= 1) return true;
    if (key->key() == Qt::Key_End) {
      const bool last = key->modifiers().testFlag(Qt::ControlModifier);
      KeyList->setCurrentCell(last ? KeyList->rowCount() - 1 : KeyList->currentRow(), 1);
      return true;
    }
  }
  return QWidget::eventFilter(watched, event);
}

}  // namespace cvd::ui
