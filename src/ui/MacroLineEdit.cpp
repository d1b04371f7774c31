#include "ui/MacroLineEdit.h"

#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QMenu>

#include "core/setup/MacroEditing.h"

namespace cvd::ui {

namespace {

// The core counts UTF-8 bytes, the edit box UTF-16 units.
std::size_t ToBytes(const QString& text, int position) {
  return static_cast<std::size_t>(text.left(position).toUtf8().size());
}

int FromBytes(const std::string& text, std::size_t bytes) {
  return static_cast<int>(QString::fromUtf8(text.data(), static_cast<qsizetype>(bytes)).size());
}

}  // namespace

MacroLineEdit::MacroLineEdit(QWidget* parent) : QLineEdit(parent) {}

void MacroLineEdit::InsertToken(int entry) {
  const QString current = text();
  const int start = hasSelectedText() ? selectionStart() : cursorPosition();
  const int count = hasSelectedText() ? static_cast<int>(selectedText().size()) : 0;
  MacroEdit edit{current.toStdString(), ToBytes(current, start), 0};
  edit.selCount = ToBytes(current, start + count) - edit.selStart;
  const MacroEdit result = InsertMacroToken(edit, static_cast<std::size_t>(entry));
  setText(QString::fromStdString(result.text));
  const int from = FromBytes(result.text, result.selStart);
  if (result.selCount > 0) {
    setSelection(from, FromBytes(result.text, result.selStart + result.selCount) - from);
  } else {
    setCursorPosition(from);
  }
}

void MacroLineEdit::contextMenuEvent(QContextMenuEvent* event) {
  QMenu menu(this);
  menu.setAccessibleName(QStringLiteral("Insert"));
  for (std::size_t i = 0; i < kMacroTokens.size(); ++i) {
    QAction* action = menu.addAction(QString::fromLatin1(kMacroTokens[i].menu));
    connect(action, &QAction::triggered, this, [this, i] { InsertToken(static_cast<int>(i)); });
  }
  menu.exec(event->globalPos());
}

void MacroLineEdit::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Backspace && event->modifiers() == Qt::NoModifier && !hasSelectedText()) {
    const QString current = text();
    const std::string utf8 = current.toStdString();
    const int caret = cursorPosition();
    if (const auto start = TokenStartBeforeCaret(utf8, ToBytes(current, caret))) {
      const int from = FromBytes(utf8, *start);
      setSelection(from, caret - from);
    }
  }
  QLineEdit::keyPressEvent(event);
}

}  // namespace cvd::ui
