#include "ui/TSetupForm.h"

#include <QCheckBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QShortcut>
#include <QSpinBox>
#include <QStatusBar>
#include <QStatusTipEvent>
#include <QTabBar>
#include <QTabWidget>
#include <QTimeEdit>
#include <QTimer>
#include <QVBoxLayout>

#include "core/setup/SetupDialog.h"
#include "ui/QtText.h"
#include "ui/SetupShortcutsPage.h"

namespace cvd::ui {

namespace {

// The window cannot be made narrower; the height follows the Options page.
constexpr int kMinWidth = 400;
constexpr int kMinHeight = 380;

// Caption, hint and accessible name of a control; the hint shows in the status bar.
void Describe(QWidget* control, const QString& name, const QString& hint) {
  control->setAccessibleName(QString(name).remove('&'));
  control->setAccessibleDescription(hint);
  control->setStatusTip(hint);
  // The mouse does not take the focus to an option; the keyboard does.
  control->setFocusPolicy(Qt::TabFocus);
}

QLineEdit* AddPathBox(const QString& name, const QString& objectName) {
  auto* box = new QLineEdit;
  box->setObjectName(objectName);
  box->setReadOnly(true);
  Describe(box, name, {});
  box->setFocusPolicy(Qt::StrongFocus);
  return box;
}

void ShowPath(QLineEdit* box, const std::string& path) {
  box->setText(Q(path));
  // A long path can be read in full in its hint.
  box->setStatusTip(box->text());
  box->setToolTip(box->text());
}

}  // namespace

TSetupForm::TSetupForm() {
  setObjectName(QStringLiteral("TSetupForm"));
  setWindowTitle(QStringLiteral("Corvinade Settings"));
  setAccessibleName(windowTitle());
  setModal(true);
  setSizeGripEnabled(true);

  Pages = new QTabWidget;
  Pages->setObjectName(QStringLiteral("Pages"));
  Pages->setAccessibleName(QStringLiteral("Settings pages"));
  HelpButton = new QPushButton(QStringLiteral("&Help"));
  Describe(HelpButton, HelpButton->text(), QStringLiteral("Open the Corvinade user manual"));
  CloseButton = new QPushButton(QStringLiteral("&Close"));
  Describe(CloseButton, CloseButton->text(), QStringLiteral("Close Settings"));
  CloseButton->setDefault(true);
  StatusBar = new QStatusBar;
  StatusBar->setObjectName(QStringLiteral("StatusBar"));
  StatusBar->setAccessibleName(QStringLiteral("Hint"));
  StatusBar->setSizeGripEnabled(false);
  // Takes the focus after a change, so that no option control keeps it.
  Dummy = new QPushButton(this);
  Dummy->setObjectName(QStringLiteral("Dummy"));
  Dummy->setAccessibleName(QStringLiteral("Dummy"));
  Dummy->setAutoDefault(false);
  Dummy->setFocusPolicy(Qt::ClickFocus);
  Dummy->setGeometry(-100, 0, 10, 10);

  auto* bottom = new QHBoxLayout;
  bottom->addStretch();
  bottom->addWidget(HelpButton);
  bottom->addWidget(CloseButton);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(Pages);
  layout->addLayout(bottom);
  layout->addWidget(StatusBar);
  setMinimumSize(kMinWidth, kMinHeight);

  // Ctrl+Tab and Ctrl+Shift+Tab turn the pages wherever the focus is.
  connect(new QShortcut(QKeySequence::NextChild, this), &QShortcut::activated, this,
          [this] { Pages->setCurrentIndex((Pages->currentIndex() + 1) % Pages->count()); });
  connect(new QShortcut(QKeySequence::PreviousChild, this), &QShortcut::activated, this,
          [this] { Pages->setCurrentIndex((Pages->currentIndex() + Pages->count() - 1) % Pages->count()); });
  connect(CloseButton, &QPushButton::clicked, this, &QDialog::accept);
  connect(Pages, &QTabWidget::currentChanged, StatusBar, &QStatusBar::clearMessage);
}

void TSetupForm::SetParts(SetupFormParts parts) {
  if (parts_) return;
  parts_.emplace(std::move(parts));
  ShortcutsPage = new SetupShortcutsPage(parts_->shortcuts, parts_->pasteMethods);
  ShortcutsPage->setObjectName(QStringLiteral("ShortcutsPage"));
  Pages->addTab(MakeOptionsPage(), QStringLiteral("Options"));
  Pages->addTab(ShortcutsPage, QStringLiteral("Shortcuts"));
  Pages->addTab(MakeNetworkPage(), QStringLiteral("Network"));
  connect(HelpButton, &QPushButton::clicked, this, [this] {
    parts_->help();
    AfterChange(HelpButton);
  });
  // Tab walks the page before the buttons under it.
  QWidget::setTabOrder(ShareNoneButton, HelpButton);
  QWidget::setTabOrder(HelpButton, CloseButton);
  // The minimum height follows the layout of the pages.
  setMinimumHeight(std::max(kMinHeight, minimumSizeHint().height()));
}

QCheckBox* TSetupForm::AddOption(SetupOption option, const QString& caption, const QString& hint) {
  auto* box = new QCheckBox(caption);
  Describe(box, caption, hint);
  options_.emplace_back(box, option);
  connect(box, &QCheckBox::clicked, this, [this, box, option](bool on) { OptionClicked(box, option, on); });
  return box;
}

QPushButton* TSetupForm::AddButton(const QString& caption, const QString& hint, void (SetupDialog::*action)()) {
  auto* button = new QPushButton(caption);
  Describe(button, caption, hint);
  button->setAutoDefault(false);
  connect(button, &QPushButton::clicked, this, [this, button, action] {
    (parts_->setup.*action)();
    // A restore, or loading the files of another data folder, replaced the
    // settings: the shortcut page must not write its old keys back on close.
    if (action == &SetupDialog::RestoreBackupButton || action == &SetupDialog::DataDirButton) ShortcutsPage->Load();
    Refresh();
    AfterChange(button);
  });
  return button;
}

QWidget* TSetupForm::MakeOptionsPage() {
  auto* page = new QWidget;
  page->setObjectName(QStringLiteral("OptionsPage"));
  ShowOnStart = AddOption(SetupOption::ShowOnStart, QStringLiteral("Show button window on start"),
                          QStringLiteral("Show the button window when Corvinade starts"));
  DontCopy = AddOption(SetupOption::DontCopy, QStringLiteral("Don't copy when minimized"),
                       QStringLiteral("Don't create new buttons when button window is hidden"));
  AdvWinTrack = AddOption(SetupOption::AdvWinTrack, QStringLiteral("Use advanced target window tracking"),
                          QStringLiteral("Clicking the button window leaves the focus in the window you work in"));
  DoNotAskAgain =
      AddOption(SetupOption::DoNotAskAgain, QStringLiteral("Reset all \"Do not ask again\" dialog settings"),
                QStringLiteral("Ask again before clearing, marking unused and deleting buttons"));
  StartAtLogin = AddOption(SetupOption::StartAtLogin, QStringLiteral("Start Corvinade when I log in"),
                           QStringLiteral("Start Corvinade automatically when you log in to the desktop"));

  auto* hideBox = new QGroupBox(QStringLiteral("Auto hide button window"));
  FadeOutOption = AddOption(SetupOption::FadeOut, QStringLiteral("Fade out"),
                            QStringLiteral("Fade the button window out after the minutes of inactivity"));
  RollupOption = AddOption(SetupOption::RollUp, QStringLiteral("Roll up"),
                           QStringLiteral("Roll the button window up to its group selector when inactive"));
  MinimizeOption = AddOption(SetupOption::Minimize, QStringLiteral("Minimize"),
                             QStringLiteral("Hide the button window when inactive"));
  FadeTime = new QLineEdit;
  FadeTime->setObjectName(QStringLiteral("FadeTime"));
  FadeLevel = new QLineEdit;
  FadeLevel->setObjectName(QStringLiteral("FadeLevel"));
  const QString timeCaption = QStringLiteral("Minutes of inactivity (0..60)");
  const QString levelCaption = QStringLiteral("Fade out transparency level (10..254)");
  for (QLineEdit* edit : {FadeTime, FadeLevel}) {
    Describe(edit, edit == FadeTime ? timeCaption : levelCaption,
             edit == FadeTime
                 ? QStringLiteral("Minutes without use before the button window fades, rolls up or hides; 0 never")
                 : QStringLiteral("How far the button window fades: 10 almost invisible, 254 opaque"));
    edit->setFocusPolicy(Qt::StrongFocus);
    edit->setMaximumWidth(60);
    connect(edit, &QLineEdit::textEdited, this, &TSetupForm::FadeTextEdited);
  }
  RestoreOnCopy = AddOption(SetupOption::RestoreOnCopy, QStringLiteral("Restore window on clipboard activity"),
                            QStringLiteral("Bring the button window back when a text is copied"));
  auto* choices = new QHBoxLayout;
  for (QCheckBox* box : {FadeOutOption, RollupOption, MinimizeOption}) choices->addWidget(box);
  choices->addStretch();
  auto* hideLayout = new QFormLayout(hideBox);
  hideLayout->addRow(choices);
  hideLayout->addRow(timeCaption, FadeTime);
  hideLayout->addRow(levelCaption, FadeLevel);
  hideLayout->addRow(RestoreOnCopy);

  auto* backupBox = new QGroupBox(QStringLiteral("Backup"));
  BackupDirectory = AddPathBox(QStringLiteral("Backup directory"), QStringLiteral("BackupDirectory"));
  FindBackupDirButton = AddButton(QStringLiteral("Browse..."), QStringLiteral("Choose the backup folder"),
                                  &SetupDialog::FindBackupDirButton);
  BackupNowButton =
      AddButton(QStringLiteral("Backup Now"), QStringLiteral("Copy the data files to the backup folder now"),
                &SetupDialog::BackupNowButton);
  RestoreBackupButton = AddButton(QStringLiteral("Restore..."), QStringLiteral("Restore your buttons from a backup"),
                                  &SetupDialog::RestoreBackupButton);
  ManualBackupButton =
      AddButton(QStringLiteral("Open Data Folder"), QStringLiteral("Open the data folder in the file browser"),
                &SetupDialog::ManualBackupButton);
  AutoBackup = AddOption(SetupOption::AutoBackup, QStringLiteral("Backup every day at"),
                         QStringLiteral("Copy the data files to the backup folder once a day"));
  BackupTime = new QTimeEdit;
  BackupTime->setObjectName(QStringLiteral("BackupTime"));
  BackupTime->setDisplayFormat(QStringLiteral("hh:mm AP"));
  Describe(BackupTime, QStringLiteral("Daily backup time"), QStringLiteral("Time of the daily backup"));
  BackupTime->setFocusPolicy(Qt::StrongFocus);
  connect(BackupTime, &QTimeEdit::timeChanged, this,
          [this](const QTime& time) { parts_->setup.SetBackupTime(time.hour(), time.minute()); });
  auto* folderRow = new QHBoxLayout;
  folderRow->addWidget(BackupDirectory, 1);
  folderRow->addWidget(FindBackupDirButton);
  auto* buttonRow = new QHBoxLayout;
  for (QPushButton* button : {BackupNowButton, RestoreBackupButton, ManualBackupButton}) buttonRow->addWidget(button);
  auto* dailyRow = new QHBoxLayout;
  dailyRow->addWidget(AutoBackup);
  dailyRow->addWidget(BackupTime);
  dailyRow->addStretch();
  auto* backupLayout = new QVBoxLayout(backupBox);
  backupLayout->addLayout(folderRow);
  backupLayout->addLayout(buttonRow);
  backupLayout->addLayout(dailyRow);

  auto* layout = new QVBoxLayout(page);
  for (QCheckBox* box : {ShowOnStart, DontCopy, AdvWinTrack, DoNotAskAgain, StartAtLogin}) layout->addWidget(box);
  layout->addWidget(hideBox);
  layout->addWidget(backupBox);
  layout->addWidget(MakePrivacyBox());
  layout->addStretch();
  return page;
}

QWidget* TSetupForm::MakePrivacyBox() {
  auto* box = new QGroupBox(QStringLiteral("Privacy"));
  const QString listCaption = QStringLiteral("Never keep copies made in these programs (window classes, one a line):");
  auto* listLabel = new QLabel(listCaption);
  listLabel->setWordWrap(true);
  IgnoredPrograms = new QPlainTextEdit;
  IgnoredPrograms->setObjectName(QStringLiteral("IgnoredPrograms"));
  Describe(IgnoredPrograms, listCaption,
           QStringLiteral("A copy made while one of these programs is active is not kept (xprop WM_CLASS names it)"));
  IgnoredPrograms->setFocusPolicy(Qt::StrongFocus);
  IgnoredPrograms->setTabChangesFocus(true);
  IgnoredPrograms->setMaximumHeight(80);
  listLabel->setBuddy(IgnoredPrograms);
  connect(IgnoredPrograms, &QPlainTextEdit::textChanged, this,
          [this] { parts_->setup.SetIgnoredProgramsText(IgnoredPrograms->toPlainText().toStdString()); });
  const QString pauseCaption = QStringLiteral("Minutes a pause lasts (0 until resumed)");
  PauseMinutes = new QSpinBox;
  PauseMinutes->setObjectName(QStringLiteral("PauseMinutes"));
  PauseMinutes->setRange(0, kMaxPauseMinutes);
  Describe(PauseMinutes, pauseCaption,
           QStringLiteral("\"Pause Clipboard History\" ends by itself after these minutes"));
  PauseMinutes->setFocusPolicy(Qt::StrongFocus);
  connect(PauseMinutes, &QSpinBox::valueChanged, this, [this](int minutes) { parts_->setup.SetPauseMinutes(minutes); });
  auto* layout = new QFormLayout(box);
  layout->addRow(listLabel);
  layout->addRow(IgnoredPrograms);
  layout->addRow(pauseCaption, PauseMinutes);
  return box;
}

void TSetupForm::RefreshPrivacy() {
  const SetupDialog& setup = parts_->setup;
  // Rewriting the box while the user types would drop the empty line just begun.
  const std::string text = setup.IgnoredProgramsText();
  if (ProgramListText(ProgramListOf(IgnoredPrograms->toPlainText().toStdString())) != text) {
    const QSignalBlocker blocker(IgnoredPrograms);
    IgnoredPrograms->setPlainText(Q(text));
  }
  const QSignalBlocker blocker(PauseMinutes);
  PauseMinutes->setValue(setup.PauseMinutes());
}

QWidget* TSetupForm::MakeNetworkPage() {
  auto* page = new QWidget;
  page->setObjectName(QStringLiteral("NetworkPage"));
  auto* dataBox = new QGroupBox(QStringLiteral("Data Directory"));
  DataDirBox = AddPathBox(QStringLiteral("Data Directory"), QStringLiteral("DataDirBox"));
  DataDirButton = AddButton(QStringLiteral("Change..."), QStringLiteral("Move the data files to another folder"),
                            &SetupDialog::DataDirButton);
  auto* dataLayout = new QHBoxLayout(dataBox);
  dataLayout->addWidget(DataDirBox, 1);
  dataLayout->addWidget(DataDirButton);

  auto* shareBox = new QGroupBox(QStringLiteral("Clipboard Share"));
  ShareClipboard = AddOption(SetupOption::ShareClipboard, QStringLiteral("Monitor shared clipboard directory"),
                             QStringLiteral("Share clips with other computers through the share folder"));
  ShareDirectory = AddPathBox(QStringLiteral("Share directory"), QStringLiteral("ShareDirectory"));
  ShareDirButton =
      AddButton(QStringLiteral("Browse..."), QStringLiteral("Choose the share folder"), &SetupDialog::ShareDirButton);
  LoadShareOnStart = AddOption(SetupOption::LoadShareOnStart, QStringLiteral("Load existing shared clips on startup"),
                               QStringLiteral("Read the clips already in the share file when Corvinade starts"));
  ShowShareMsg = AddOption(SetupOption::ShowShareMsg, QStringLiteral("Show notification when new clip added"),
                           QStringLiteral("Tell when another computer has shared a clip"));
  auto* listLabel = new QLabel(QStringLiteral("Groups to share:"));
  ShareList = new QListWidget;
  ShareList->setObjectName(QStringLiteral("ShareList"));
  Describe(ShareList, QStringLiteral("Groups to share"), QStringLiteral("New clips of ticked groups are shared"));
  ShareList->setFocusPolicy(Qt::StrongFocus);
  listLabel->setBuddy(ShareList);
  connect(ShareList, &QListWidget::itemChanged, this, [this](QListWidgetItem* item) {
    parts_->setup.SetShared(item->data(Qt::UserRole).toInt(), item->checkState() == Qt::Checked);
  });
  ShareAllButton =
      AddButton(QStringLiteral("Share All"), QStringLiteral("Share every group"), &SetupDialog::ShareAllButton);
  ShareNoneButton =
      AddButton(QStringLiteral("Share None"), QStringLiteral("Share no group"), &SetupDialog::ShareNoneButton);

  auto* folderRow = new QHBoxLayout;
  folderRow->addWidget(ShareDirectory, 1);
  folderRow->addWidget(ShareDirButton);
  auto* listButtons = new QHBoxLayout;
  listButtons->addWidget(ShareAllButton);
  listButtons->addWidget(ShareNoneButton);
  listButtons->addStretch();
  auto* shareLayout = new QVBoxLayout(shareBox);
  shareLayout->addWidget(ShareClipboard);
  shareLayout->addLayout(folderRow);
  shareLayout->addWidget(LoadShareOnStart);
  shareLayout->addWidget(ShowShareMsg);
  shareLayout->addWidget(listLabel);
  shareLayout->addWidget(ShareList, 1);
  shareLayout->addLayout(listButtons);

  auto* layout = new QVBoxLayout(page);
  layout->addWidget(dataBox);
  layout->addWidget(shareBox, 1);
  return page;
}

void TSetupForm::OptionClicked(QCheckBox* box, SetupOption option, bool on) {
  if (!parts_) return;
  parts_->setup.SetOption(option, on);
  // A refused change shows the state as it is.
  Refresh();
  AfterChange(box);
}

void TSetupForm::FadeTextEdited() {
  if (!parts_) return;
  SetupDialog& setup = parts_->setup;
  setup.SetFadeText(FadeField::FadeTime, FadeTime->text().toStdString());
  setup.SetFadeText(FadeField::FadeLevel, FadeLevel->text().toStdString());
  Refresh();
}

void TSetupForm::Refresh() {
  if (!parts_) return;
  const SetupDialog& setup = parts_->setup;
  for (const auto& [box, option] : options_) {
    const QSignalBlocker blocker(box);
    box->setChecked(setup.Option(option));
  }
  const QColor text = palette().color(QPalette::Text);
  for (QLineEdit* edit : {FadeTime, FadeLevel}) {
    const FadeField field = edit == FadeTime ? FadeField::FadeTime : FadeField::FadeLevel;
    const QString value = Q(setup.FadeText(field));
    // Rewriting an unchanged text would move the caret.
    if (edit->text() != value) edit->setText(value);
    QPalette colours = edit->palette();
    colours.setColor(QPalette::Text, setup.FadeTextValid(field) ? text : QColor(Qt::red));
    edit->setPalette(colours);
  }
  FadeLevel->setEnabled(setup.FadeLevelEnabled());
  {
    const QSignalBlocker blocker(BackupTime);
    const TimeOfDay time = setup.BackupTime();
    BackupTime->setTime(QTime(time.Hour, time.Minute));
  }
  ShowPath(BackupDirectory, setup.BackupDirectory());
  ShowPath(DataDirBox, setup.DataDir());
  ShowPath(ShareDirectory, setup.ShareDir());
  RefreshShareList();
  RefreshPrivacy();
}

void TSetupForm::RefreshShareList() {
  const QSignalBlocker blocker(ShareList);
  const int row = ShareList->currentRow();
  ShareList->clear();
  for (const ShareListItem& group : parts_->setup.ShareList()) {
    auto* item = new QListWidgetItem(Q(group.name), ShareList);
    item->setData(Qt::UserRole, group.group);
    item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsUserCheckable);
    item->setCheckState(group.shared ? Qt::Checked : Qt::Unchecked);
  }
  if (row >= 0 && row < ShareList->count()) ShareList->setCurrentRow(row);
}

void TSetupForm::AfterChange(QWidget* control) {
  // A change made from the keyboard keeps the focus where the user works.
  if (isVisible() && !control->hasFocus()) Dummy->setFocus();
}

bool TSetupForm::event(QEvent* event) {
  if (event->type() == QEvent::StatusTip) {
    StatusBar->showMessage(static_cast<QStatusTipEvent*>(event)->tip());
    return true;
  }
  return QDialog::event(event);
}

void TSetupForm::PlaceFromSettings() {
  const Rect frame = parts_->setup.StoredFrame();
  resize(std::max(frame.width, minimumWidth()), std::max(frame.height, minimumHeight()));
  move(frame.left, frame.top);
}

void TSetupForm::TurnTo(SetupPage page, int shortcutRow) {
  Pages->setCurrentIndex(static_cast<int>(page));
  if (shortcutRow >= 0) ShortcutsPage->ShowShortcutRow(shortcutRow);
}

void TSetupForm::ShowModal(std::optional<SetupPage> page, int shortcutRow) {
  if (!parts_ || isVisible()) return;
  Refresh();
  ShortcutsPage->Load();
  StatusBar->clearMessage();
  // The keyboard starts on the page tabs (arrows turn the pages, Tab enters
  // one), unless a shortcut row is asked for: that row gets it.
  Pages->tabBar()->setFocus();
  if (page) TurnTo(*page, shortcutRow);
  PlaceFromSettings();
  // Opened from the tray or a window that never takes the focus: the dialog
  // asks for it, and hands it back when it closes.
  QTimer::singleShot(0, this, [this] {
    raise();
    activateWindow();
  });
  exec();
}

bool TSetupForm::PagesCanClose() { return !ShortcutsPage || ShortcutsPage->CanClose(); }

void TSetupForm::done(int result) {
  if (parts_) {
    if (!parts_->setup.CloseQuery()) {
      Refresh();
      return;
    }
    ShortcutsPage->Save();
    parts_->setup.StoreFrame(Rect{x(), y(), width(), height()});
  }
  QDialog::done(result);
}

}  // namespace cvd::ui
