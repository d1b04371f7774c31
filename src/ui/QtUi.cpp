#include "ui/QtUi.h"
#include "ui/CaptionBar.h"

#include <algorithm>

#include <QCursor>
#include <QFileDialog>
#include <QFont>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QInputDialog>
#include <QScreen>
#include <QWindow>

#include "ui/CursorMessageDlg.h"
#include "ui/DialogPlacement.h"
#include "ui/HintWindow.h"
#include "ui/PointerWatch.h"
#include "ui/QtText.h"
#include "ui/TColorForm.h"
#include "ui/TListForm.h"
#include "ui/TMainForm.h"
#include "ui/TTrayForm.h"
#include "ui/WindowInput.h"

namespace cvd::ui {

namespace {
// The window manager's icon, buttons and margins beside a dialog's title.
constexpr int kTitleButtonsWidth = 160;

std::string S(const QString& text) { return text.toUtf8().toStdString(); }

// "Description|*.ext|..." pairs in Qt's "Description (*.ext);;..." form.
QString QtFilter(const std::string& filter) {
  const QStringList parts = Q(filter).split('|');
  QStringList filters;
  for (qsizetype i = 0; i + 1 < parts.size(); i += 2) filters << parts[i] + " (" + parts[i + 1] + ")";
  return filters.join(";;");
}

std::optional<std::string> RunFileDialog(const FileDialogOptions& options, QFileDialog::AcceptMode mode) {
  QFileDialog dialog(nullptr, Q(options.title), Q(options.initialDir), QtFilter(options.filter));
  dialog.setOption(QFileDialog::DontUseNativeDialog);
  dialog.setAcceptMode(mode);
  dialog.setFileMode(mode == QFileDialog::AcceptSave ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
  if (!options.defaultExt.empty()) dialog.setDefaultSuffix(Q(options.defaultExt));
  if (!options.fileName.empty()) dialog.selectFile(Q(options.fileName));
  if (ExecAtPointer(dialog) != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
  return dialog.selectedFiles().first().toStdString();
}
}  // namespace

MsgResult QtUi::CursorMessageDlg(const std::string& text, MsgKind kind, MsgButtons buttons) {
  return RunCursorMessageDlg(Q(text), kind, buttons, nullptr);
}

AskResult QtUi::CursorMessageDlgAsk(const std::string& text, MsgKind kind, MsgButtons buttons) {
  bool ticked = false;
  const MsgResult result = RunCursorMessageDlg(Q(text), kind, buttons, &ticked);
  return AskResult{result, ticked};
}

void QtUi::Balloon(const std::string& title, const std::string& text, int timeoutSeconds) {
  tray_.Balloon(Q(title), Q(text), timeoutSeconds);
}

std::optional<std::string> QtUi::InputQuery(const std::string& caption, const std::string& prompt,
                                            const std::string& initial) {
  QInputDialog dialog;
  dialog.setWindowTitle(Q(caption));
  dialog.setLabelText(Q(prompt));
  dialog.setTextValue(Q(initial));
  // Wide enough for the window manager to show the whole title, which Qt
  // ends with the program's name (window managers draw it bold), beside its buttons.
  QFont bold = dialog.font();
  bold.setBold(true);
  const QString title = Q(caption) + QStringLiteral(" \u2014 ") + QGuiApplication::applicationDisplayName();
  const int titleWidth = QFontMetrics(bold).horizontalAdvance(title) + kTitleButtonsWidth;
  dialog.setMinimumWidth(std::max(dialog.sizeHint().width(), titleWidth));
  if (ExecAtPointer(dialog) != QDialog::Accepted) return std::nullopt;
  return S(dialog.textValue());
}

std::optional<std::string> QtUi::SaveFileDialog(const FileDialogOptions& options) {
  return RunFileDialog(options, QFileDialog::AcceptSave);
}

std::optional<std::string> QtUi::OpenFileDialog(const FileDialogOptions& options) {
  return RunFileDialog(options, QFileDialog::AcceptOpen);
}

std::optional<std::string> QtUi::BrowseForFolder(const std::string& title, const std::string& startFolder,
                                                 bool canCreate) {
  QFileDialog::Options options = QFileDialog::ShowDirsOnly;
  if (!canCreate) options |= QFileDialog::ReadOnly;  // no "new folder" in the dialog
  const QString folder = QFileDialog::getExistingDirectory(nullptr, Q(title), Q(startFolder), options);
  if (folder.isEmpty()) return std::nullopt;
  return S(folder);
}

ScreenGeometry QtUi::Screen() {
  QScreen* primary = QGuiApplication::primaryScreen();
  if (!primary) return ScreenGeometry{};
  const QRect g = primary->geometry();
  const QRect v = primary->virtualGeometry();
  return ScreenGeometry{g.width(), g.height(), Rect{v.x(), v.y(), v.width(), v.height()}};
}

void QtUi::ApplyLayout(const WindowLayout& layout) { form_.ApplyLayout(layout); }

void QtUi::SetCaptionColor(int button, TColor color) { form_.SetCaptionColor(button, color); }

void QtUi::SetButtonCaption(int button, const std::string& caption) { form_.SetButtonCaption(button, Q(caption)); }

void QtUi::ShowButtonWindow() { form_.ShowWithoutActivating(); }

void QtUi::HideButtonWindow() { form_.hide(); }

bool QtUi::ButtonWindowVisible() { return form_.isVisible(); }

void QtUi::SetOpacity(int alpha) { form_.setWindowOpacity(alpha / 255.0); }

int QtUi::Opacity() { return qRound(form_.windowOpacity() * 255.0); }

void QtUi::SetClientSize(Size size) { form_.SetClientSize(size.width, size.height); }

Rect QtUi::ButtonWindowFrame() {
  const QRect frame = form_.frameGeometry();
  return Rect{frame.x(), frame.y(), frame.width(), frame.height()};
}

void QtUi::MoveButtonWindow(Point topLeft) { form_.move(topLeft.x, topLeft.y); }

Rect QtUi::DisplayOfButtonWindow() {
  QScreen* screen = form_.screen();
  if (!screen) screen = QGuiApplication::primaryScreen();
  if (!screen) return Rect{0, 0, 1024, 768};
  const QRect g = screen->geometry();
  return Rect{g.x(), g.y(), g.width(), g.height()};
}

Point QtUi::PointerPosition() {
  const QPoint p = QCursor::pos();
  return Point{p.x(), p.y()};
}

int QtUi::ButtonUnderPointer() { return form_.ButtonUnderPointer(); }

void QtUi::ShowHint(const std::string& text, const Rect& where) {
  hint_.ShowAt(Q(text), QRect(where.left, where.top, where.width, where.height));
}

void QtUi::HideHint() { hint_.hide(); }

bool QtUi::TrayIconShown() { return tray_.IconShown(); }

bool QtUi::BalloonsShown() { return tray_.BalloonsShown(); }
void QtUi::SetNoActivate(bool on) {
  form_.setAttribute(Qt::WA_ShowWithoutActivating, on);
  // Through the native window, so that the change takes effect while shown.
  if (QWindow* window = form_.windowHandle()) window->setFlag(Qt::WindowDoesNotAcceptFocus, on);
}
bool QtUi::ShowListForm() { return listForm_ != nullptr && listForm_->Run(); }

void QtUi::PopupButtonMenu(Point where) { form_.Input()->PopupButtonMenu(QPoint(where.x, where.y)); }

ColorDialogResult QtUi::ColorDialog(const ColorPair& preset, const std::vector<ColorPair>& favorites) {
  TColorForm form(preset, favorites);
  const bool ok = ExecAtPointer(form) == QDialog::Accepted;
  return ColorDialogResult{ok ? std::optional<ColorPair>(form.Chosen()) : std::nullopt, form.Favorites()};
}

void QtUi::ShowPaused(bool paused) { form_.Caption()->ShowPaused(paused); }

void QtUi::SetPointerHandler(std::function<void(bool)> handler) { WatchPointer(form_, std::move(handler)); }

}  // namespace cvd::ui
