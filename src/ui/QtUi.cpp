#include "ui/QtUi.h"

#include <QCursor>
#include <QFileDialog>
#include <QGuiApplication>
#include <QScreen>

#include "ui/CursorMessageDlg.h"
#include "ui/HintWindow.h"
#include "ui/TMainForm.h"
#include "ui/TTrayForm.h"

namespace cvd::ui {

namespace {
QString Q(const std::string& text) { return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())); }
std::string S(const QString& text) { return text.toUtf8().toStdString(); }
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

std::optional<std::string> QtUi::BrowseForFolder(const std::string& title, const std::string& startFolder,
                                                 bool canCreate) {
  QFileDialog::Options options = QFileDialog::ShowDirsOnly;
  if (!canCreate) options |= QFileDialog::ReadOnly;  // no "new folder" in the dialog
  const QString folder = QFileDialog::getExistingDirectory(nullptr, Q(title), Q(startFolder), options);
  if (folder.isEmpty()) return std::nullopt;
  return S(folder);
}

std::optional<std::string> QtUi::OpenFileDialog(const std::string& title, const std::string& startFolder,
                                                const std::string& filter) {
  // "Description (pattern)|pattern": Qt takes the part before the bar.
  const QString qtFilter = Q(filter.substr(0, filter.find('|')));
  const QString file = QFileDialog::getOpenFileName(nullptr, Q(title), Q(startFolder), qtFilter);
  if (file.isEmpty()) return std::nullopt;
  return S(file);
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

}  // namespace cvd::ui
