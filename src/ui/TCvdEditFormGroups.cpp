// The Groups page of the button editor: the two lists with their menus and
// drops, and the option area of the selected group.
#include <algorithm>

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFontDialog>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMouseEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QSpinBox>
#include <QVBoxLayout>
#include <QWheelEvent>

#include "core/editor/ButtonEditor.h"
#include "ui/ColorMap.h"
#include "ui/EditorList.h"
#include "ui/TCvdEditForm.h"

namespace cvd::ui {

namespace {
constexpr int kOptionScrollStep = 8;  // pixels per wheel notch over the option area
constexpr int kMinListWidth = 48;     // a few letters of each name still show

template <typename W>
W* Named(W* widget, const char* name, const char* tip = nullptr) {
  widget->setAccessibleName(QString::fromLatin1(name));
  if (tip) widget->setStatusTip(QString::fromLatin1(tip));
  return widget;
}

QSpinBox* Spin(QWidget* parent, const char* name, int low, int high, int step = 1) {
  auto* box = Named(new QSpinBox(parent), name);
  box->setRange(low, high);
  box->setSingleStep(step);
  box->setKeyboardTracking(false);
  return box;
}

QFont GroupFont(const TGroup& group) {
  QFont font(QString::fromUtf8(group.FontName.c_str()), group.FontSize);
  font.setBold(group.FontStyle & fsBold);
  font.setItalic(group.FontStyle & fsItalic);
  return font;
}
}  // namespace

QWidget* TCvdEditForm::MakeGroupPage() {
  auto* page = new QWidget(this);
  page->setObjectName(QStringLiteral("GroupPage"));
  auto* row = new QHBoxLayout(page);
  GroupList = Named(new EditorList(page), "Groups", "Double click to show the group. Right click for options");
  ButtonList = Named(new EditorList(page), "Buttons");
  for (EditorList* list : {GroupList, ButtonList}) list->viewport()->installEventFilter(this);
  OptionArea = Named(new QScrollArea(page), "Group Options");
  OptionArea->setWidgetResizable(true);
  OptionArea->setWidget(MakeOptions());
  OptionArea->viewport()->installEventFilter(this);
  // The options scroll only up and down: the pane is never narrower than its
  // narrowest form (labels above their fields), and the lists give way.
  OptionArea->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  FitOptionPane();
  for (EditorList* list : {GroupList, ButtonList}) list->setMinimumWidth(kMinListWidth);
  row->addWidget(GroupList, 2);
  row->addWidget(ButtonList, 2);
  row->addWidget(OptionArea, 5);

  connect(GroupList, &QListWidget::currentRowChanged, this, [this](int r) {
    if (editor_ && !loading_) editor_->SelectGroupRow(r);
  });
  connect(GroupList, &QListWidget::itemDoubleClicked, this, [this] {
    if (editor_) editor_->ShowGroupInWindow(GroupList->currentRow());
  });
  connect(ButtonList, &QListWidget::currentRowChanged, this, [this](int r) {
    if (editor_ && !loading_) editor_->SelectButton(r + 1);
  });
  connect(ButtonList, &QListWidget::itemDoubleClicked, this, [this] {
    if (editor_) editor_->EditSelectedButton();
  });
  connect(ButtonList, &QListWidget::itemActivated, this, [this] {
    if (editor_) editor_->EditSelectedButton();
  });
  GroupList->SetMenuHandler([this](const QPoint& where) { PopupGroupMenu(where); });
  ButtonList->SetMenuHandler([this](const QPoint& where) { PopupButtonMenu(where); });
  ButtonList->SetDropHandler([this](QObject* source) { return source == ButtonList; },
                             [this](QObject*, int r) {
                               if (editor_) editor_->DropOnButtonList(r < 0 ? ButtonList->count() : r + 1);
                             });
  GroupList->SetDropHandler([this](QObject* source) { return source == ButtonList || source == GroupList; },
                            [this](QObject* source, int r) {
                              if (!editor_) return;
                              const int row = r < 0 ? GroupList->count() - 1 : r;
                              if (source == ButtonList) return editor_->DropButtonOnGroup(row);
                              editor_->DropGroupOnGroup(GroupList->currentRow(), row);
                            });
  ButtonList->SetMoveHandler([this](int delta) {
    if (editor_ && ButtonList->currentRow() >= 0) editor_->DropOnButtonList(ButtonList->currentRow() + 1 + delta);
  });
  GroupList->SetMoveHandler([this](int delta) {
    const int r = GroupList->currentRow();
    if (editor_ && r >= 0 && r + delta >= 0) editor_->DropGroupOnGroup(r, r + delta);
  });
  return page;
}

QWidget* TCvdEditForm::MakeOptions() {
  auto* area = new QWidget;
  auto* form = new QFormLayout(area);
  form->setFieldGrowthPolicy(QFormLayout::AllNonFixedFieldsGrow);
  FillFromTop =
      Named(new QRadioButton(QStringLiteral("From Top Down"), area), "From Top Down", "New clips enter at the top");
  FillFromBottom = Named(new QRadioButton(QStringLiteral("From Bottom Up"), area), "From Bottom Up",
                         "New clips enter at the bottom");
  auto* fill = new QVBoxLayout;
  fill->addWidget(FillFromTop);
  fill->addWidget(FillFromBottom);
  form->addRow(QStringLiteral("Fill:"), fill);
  auto withButton = [&](const char* label, QWidget* box, QPushButton*& button, const char* name) {
    button = Named(new QPushButton(QStringLiteral("Set"), area), name);
    auto* line = new QHBoxLayout;
    line->addWidget(box, 1);
    line->addWidget(button);
    form->addRow(QString::fromLatin1(label), line);
  };
  NumClipBox = Spin(area, "Clipboard buttons", 1, kMaxClipButtons);
  withButton("Clipboard buttons:", NumClipBox, SetNumClipButton, "Set clipboard buttons");
  NumColBox = Spin(area, "Columns", 1, 1);
  withButton("Columns:", NumColBox, SetNumColButton, "Set columns");
  CopyDups = Named(new QComboBox(area), "Duplicate text");
  CopyDups->addItems(
      {QStringLiteral("Don't copy"), QStringLiteral("Copy"), QStringLiteral("Move"), QStringLiteral("Mark unused")});
  form->addRow(QStringLiteral("Duplicate text:"), CopyDups);
  RememberPos = Named(new QCheckBox(QStringLiteral("Remember Location"), area), "Remember Location",
                      "Remember where the button window was for this group");
  TrackUsed = Named(new QCheckBox(QStringLiteral("Track Used Buttons"), area), "Track Used Buttons",
                    "Show pasted clip buttons in grey");
  form->addRow(RememberPos);
  form->addRow(TrackUsed);
  WidthBox = Spin(area, "Button width", kMinButtonWidth, kMaxButtonWidth);
  HeightBox = Spin(area, "Button height", kMinButtonHeight, kMaxButtonHeight);
  SetSizeButton = Named(new QPushButton(QStringLiteral("Set Size"), area), "Set Size",
                        "Right click to set this size in all groups");
  SetSizeButton->setContextMenuPolicy(Qt::CustomContextMenu);
  auto* size = new QHBoxLayout;
  size->addWidget(WidthBox);
  size->addWidget(HeightBox);
  size->addWidget(SetSizeButton);
  form->addRow(QStringLiteral("Size:"), size);
  SoundOnCopy = Named(new QCheckBox(QStringLiteral("Play Sound on Copy"), area), "Play Sound on Copy");
  SoundFileBox = Named(new QLineEdit(area), "Sound file");
  SoundFileBox->setReadOnly(true);
  FindSoundFileButton = Named(new QPushButton(QStringLiteral("..."), area), "Find sound file");
  auto* sound = new QHBoxLayout;
  sound->addWidget(SoundFileBox, 1);
  sound->addWidget(FindSoundFileButton);
  form->addRow(SoundOnCopy);
  form->addRow(QStringLiteral("Sound:"), sound);
  ButtonFontBox = Named(new QLineEdit(area), "Button font");
  ButtonFontBox->setReadOnly(true);
  ButtonFontButton = Named(new QPushButton(QStringLiteral("..."), area), "Choose button font",
                           "Right click to use this font in all groups");
  ButtonFontButton->setContextMenuPolicy(Qt::CustomContextMenu);
  auto* font = new QHBoxLayout;
  font->addWidget(ButtonFontBox, 1);
  font->addWidget(ButtonFontButton);
  form->addRow(QStringLiteral("Font:"), font);
  ShowHints = Named(new QCheckBox(QStringLiteral("Show Button Hints"), area), "Show Button Hints");
  form->addRow(ShowHints);
  HintType = Named(new QComboBox(area), "Hint position");
  HintType->addItems(
      {QStringLiteral("Left of window"), QStringLiteral("Right of window"), QStringLiteral("Below window")});
  form->addRow(QStringLiteral("Hints:"), HintType);
  PasteKeyBox = Named(new QComboBox(area), "Paste Key Combination");
  PasteKeyBox->addItems({QStringLiteral("Control-V"), QStringLiteral("Shift-Insert")});
  form->addRow(QStringLiteral("Paste Key Combination:"), PasteKeyBox);
  PasteDelayBox = Spin(area, "Paste Delay", kMinPasteDelay, kMaxPasteDelay, 25);
  form->addRow(QStringLiteral("Paste Delay:"), PasteDelayBox);
  AplyToAllButton = Named(new QPushButton(QStringLiteral("Apply to all Groups"), area), "Apply to all Groups");
  form->addRow(AplyToAllButton);
  return area;
}

void TCvdEditForm::ConnectOptions() {
  // Each control stores its field at once; while the form fills them nothing is stored.
  auto act = [this](auto work) {
    return [this, work](auto&&...) {
      if (editor_ && !loading_) work(*editor_);
    };
  };
  connect(FillFromTop, &QRadioButton::toggled, this,
          act([this](ButtonEditor& e) { e.SetFillMode(FillFromTop->isChecked() ? 1 : 2); }));
  connect(SetNumClipButton, &QPushButton::clicked, this,
          act([this](ButtonEditor& e) { e.SetNumClipButtons(NumClipBox->value()); }));
  connect(SetNumColButton, &QPushButton::clicked, this,
          act([this](ButtonEditor& e) { e.SetNumColumns(NumColBox->value()); }));
  connect(CopyDups, &QComboBox::activated, this,
          act([this](ButtonEditor& e) { e.SetCopyDups(CopyDups->currentIndex()); }));
  connect(CopyDups, &QComboBox::highlighted, this, [this](int index) {
    if (editor_) Status(editor_->CopyDupsStatus(index));
  });
  connect(RememberPos, &QCheckBox::clicked, this,
          act([this](ButtonEditor& e) { e.SetRememberPos(RememberPos->isChecked()); }));
  connect(TrackUsed, &QCheckBox::clicked, this,
          act([this](ButtonEditor& e) { e.SetTrackUsed(TrackUsed->isChecked()); }));
  connect(SetSizeButton, &QPushButton::clicked, this,
          act([this](ButtonEditor& e) { e.SetButtonSize(WidthBox->value(), HeightBox->value()); }));
  connect(SetSizeButton, &QWidget::customContextMenuRequested, this,
          act([this](ButtonEditor& e) { e.SetButtonSizeForAllGroups(WidthBox->value(), HeightBox->value()); }));
  connect(SoundOnCopy, &QCheckBox::clicked, this,
          act([this](ButtonEditor& e) { e.SetPlaySound(SoundOnCopy->isChecked()); }));
  connect(FindSoundFileButton, &QPushButton::clicked, this, act([](ButtonEditor& e) { e.FindSoundFile(); }));
  connect(ButtonFontButton, &QPushButton::clicked, this, &TCvdEditForm::ChooseFont);
  connect(ButtonFontButton, &QWidget::customContextMenuRequested, this, act([](ButtonEditor& e) {
            if (const TGroup* g = e.OptionsGroupRecord()) e.SetFontForAllGroups(g->FontName, g->FontSize, g->FontStyle);
          }));
  connect(ShowHints, &QCheckBox::clicked, this,
          act([this](ButtonEditor& e) { e.SetShowHints(ShowHints->isChecked()); }));
  connect(HintType, &QComboBox::activated, this,
          act([this](ButtonEditor& e) { e.SetHintType(HintType->currentIndex() + 1); }));
  connect(PasteKeyBox, &QComboBox::activated, this,
          act([this](ButtonEditor& e) { e.SetPasteKeyMode(PasteKeyBox->currentIndex()); }));
  connect(PasteDelayBox, &QSpinBox::valueChanged, this,
          act([this](ButtonEditor& e) { e.SetPasteDelay(PasteDelayBox->value()); }));
  connect(AplyToAllButton, &QPushButton::clicked, this, act([](ButtonEditor& e) { e.ApplyToAllGroups(); }));
}

void TCvdEditForm::WrapOptions() {
  auto* form = static_cast<QFormLayout*>(OptionArea->widget()->layout());
  const bool sideBySide = OptionArea->viewport()->width() >= optionsSideBySideWidth_;
  form->setRowWrapPolicy(sideBySide ? QFormLayout::DontWrapRows : QFormLayout::WrapAllRows);
}

void TCvdEditForm::ChooseFont() {
  const TGroup* group = editor_ ? editor_->OptionsGroupRecord() : nullptr;
  if (group == nullptr) return;
  QFontDialog dialog(GroupFont(*group), this);
  dialog.setOption(QFontDialog::DontUseNativeDialog);
  dialog.setWindowTitle(QStringLiteral("Font"));
  auto store = [this, &dialog] {
    const QFont font = dialog.currentFont();
    const TFontStyles style = (font.bold() ? fsBold : 0) | (font.italic() ? fsItalic : 0);
    editor_->SetFont(font.family().toUtf8().toStdString(), font.pointSize(), style);
  };
  if (auto* buttons = dialog.findChild<QDialogButtonBox*>()) {
    QPushButton* apply = buttons->addButton(QDialogButtonBox::Apply);
    apply->setAccessibleName(QStringLiteral("Apply"));
    connect(apply, &QPushButton::clicked, this, store);
  }
  if (dialog.exec() == QDialog::Accepted) store();
}

void TCvdEditForm::ShowGroups() {
  if (!editor_) return;
  loading_ = true;
  const GroupTable& table = editor_->Table();
  QStringList names;
  for (const std::string& name : table.GroupList) names << QString::fromUtf8(name.c_str());
  GroupList->Refill(names, editor_->SelectedGroupRow());
  QStringList buttons;
  const TGroup* group = editor_->OptionsGroupRecord();
  const int total = group ? std::min<int>(group->TotalButtons(), static_cast<int>(group->Buttons.size()) - 1) : 0;
  for (int b = 1; b <= total; ++b) buttons << QString::fromUtf8(group->Buttons[b].Name.c_str());
  ButtonList->Refill(buttons, editor_->SelectedButton() - 1);
  // Clip buttons black (grey when used), permanent buttons red.
  for (int b = 1; b <= total; ++b) {
    const QColor color = !group->IsClipButton(b)  ? QColor(Qt::red)
                         : group->Buttons[b].Used ? QColor(128, 128, 128)
                                                  : QColor(Qt::black);
    ButtonList->item(b - 1)->setForeground(color);
  }
  ShowOptions();
  loading_ = false;
}

void TCvdEditForm::ShowOptions() {
  const TGroup* g = editor_->OptionsGroupRecord();
  if (g == nullptr) return;
  FillFromTop->setChecked(g->FillMode == 1);
  FillFromBottom->setChecked(g->FillMode != 1);
  NumClipBox->setValue(g->NumClipButtons);
  NumColBox->setMaximum(editor_->MaxColumns());
  NumColBox->setValue(g->NumColumns);
  CopyDups->setCurrentIndex(g->CopyDups);
  RememberPos->setChecked(g->RememberPos);
  TrackUsed->setChecked(g->TrackUsed);
  WidthBox->setValue(g->ButtonWidth);
  HeightBox->setValue(g->ButtonHeight);
  SoundOnCopy->setChecked(g->PlaySound);
  const std::size_t slash = g->SoundFile.find_last_of("/\\");
  SoundFileBox->setText(
      QString::fromUtf8((slash == std::string::npos ? g->SoundFile : g->SoundFile.substr(slash + 1)).c_str()));
  ButtonFontBox->setText(QStringLiteral("%1 %2").arg(QString::fromUtf8(g->FontName.c_str())).arg(g->FontSize));
  ButtonFontBox->setFont(GroupFont(*g));
  ShowHints->setChecked(g->ShowHints);
  HintType->setCurrentIndex(g->HintType - 1);
  PasteKeyBox->setCurrentIndex(g->PasteKeyMode);
  PasteDelayBox->setValue(g->PasteDelay);
  FitOptionPane();  // the group's font may widen the font box
}

void TCvdEditForm::FitOptionPane() {
  // Labels stand beside their fields where the pane is wide enough for every
  // row, above them otherwise; the pane is never narrower than the latter.
  auto* form = static_cast<QFormLayout*>(OptionArea->widget()->layout());
  form->setRowWrapPolicy(QFormLayout::DontWrapRows);
  form->invalidate();
  optionsSideBySideWidth_ = form->minimumSize().width();
  form->setRowWrapPolicy(QFormLayout::WrapAllRows);
  form->invalidate();
  OptionArea->ensurePolished();  // the style sets the frame's width
  OptionArea->setMinimumWidth(form->minimumSize().width() + OptionArea->verticalScrollBar()->sizeHint().width() +
                              2 * OptionArea->frameWidth());
  WrapOptions();
  // With a large desktop font the dialog's own minimum grows to hold it all.
  if (QLayout* own = layout()) {
    own->invalidate();
    setMinimumWidth(std::max(minimumWidth(), own->minimumSize().width()));
  }
}

void TCvdEditForm::PopupButtonMenu(const QPoint& where) {
  if (!editor_) return;
  const QModelIndex index = ButtonList->indexAt(where);
  int row = index.isValid() ? index.row() : ButtonList->count() - 1;
  if (row < 0) return;
  ButtonList->setCurrentRow(row);
  const TGroup* group = editor_->OptionsGroupRecord();
  const bool clip = group && group->IsClipButton(row + 1);
  QMenu menu(this);
  menu.setAccessibleName(QStringLiteral("Button menu"));
  menu.addAction(QStringLiteral("New Button"), this, [this] { editor_->NewButton(); });
  menu.addAction(QStringLiteral("Edit Button"), this, [this] { editor_->EditSelectedButton(); });
  menu.addAction(clip ? QStringLiteral("Clear Button") : QStringLiteral("Delete Button"), this,
                 [this] { editor_->DeleteSelectedButton(); });
  menu.addAction(QStringLiteral("Sort Buttons"), this, [this] { editor_->SortButtons(); });
  if (clip) menu.addAction(QStringLiteral("Make Permanent"), this, [this] { editor_->MakeSelectedPermanent(); });
  menu.addSeparator();
  menu.addAction(QStringLiteral("Cancel"));
  menu.exec(ButtonList->viewport()->mapToGlobal(where));
}

void TCvdEditForm::PopupGroupMenu(const QPoint& where) {
  if (!editor_) return;
  const QModelIndex index = GroupList->indexAt(where);
  const int row = index.isValid() ? index.row() : GroupList->count() - 1;
  if (row < 0) return;
  // The menu acts on the group under the pointer.
  if (row != GroupList->currentRow()) GroupList->setCurrentRow(row);
  QMenu menu(this);
  menu.setAccessibleName(QStringLiteral("Group menu"));
  menu.addAction(QStringLiteral("New Group"), this, [this] { editor_->NewGroup(); });
  menu.addAction(QStringLiteral("Rename Group"), this, [this] { editor_->RenameGroup(); });
  menu.addAction(QStringLiteral("Delete Group"), this, [this] { editor_->DeleteGroup(); });
  menu.addAction(QStringLiteral("Copy Group"), this, [this] { editor_->CopyGroup(); });
  menu.addAction(QStringLiteral("Clear all Clip Buttons"), this, [this] { editor_->ClearAllClip(); });
  menu.addAction(QStringLiteral("Mark all Buttons Unused"), this, [this] { editor_->MarkAllUnused(); });
  menu.addAction(QStringLiteral("Sort Groups"), this, [this] { editor_->SortGroups(); });
  menu.addSeparator();
  menu.addAction(QStringLiteral("Cancel"));
  menu.exec(GroupList->viewport()->mapToGlobal(where));
}

bool TCvdEditForm::eventFilter(QObject* watched, QEvent* event) {
  if (editor_ && watched == ButtonList->viewport() && event->type() == QEvent::MouseMove) {
    const QModelIndex index = ButtonList->indexAt(static_cast<QMouseEvent*>(event)->position().toPoint());
    Status(editor_->ButtonStatus(index.isValid() ? index.row() + 1 : 0));
  }
  if (watched == ButtonList->viewport() && event->type() == QEvent::Leave) Status({});
  if (watched == OptionArea->viewport() && event->type() == QEvent::Resize) WrapOptions();
  if (watched == OptionArea->viewport() && event->type() == QEvent::Wheel) {
    QScrollBar* bar = OptionArea->verticalScrollBar();
    bar->setValue(bar->value() - static_cast<QWheelEvent*>(event)->angleDelta().y() / 120 * kOptionScrollStep);
    return true;
  }
  return QDialog::eventFilter(watched, event);
}

}  // namespace cvd::ui
