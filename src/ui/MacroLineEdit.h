#pragma once
// The key macro box of a paste method: its pop-up menu inserts macro
// tokens, and a backspace after a known token removes all of it.
#include <QLineEdit>

namespace cvd::ui {

class MacroLineEdit : public QLineEdit {
  Q_OBJECT
 public:
  explicit MacroLineEdit(QWidget* parent = nullptr);
  // Inserts token `entry` of the insert menu at the caret, in place of the selection.
  void InsertToken(int entry);

 protected:
  void contextMenuEvent(QContextMenuEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
};

}  // namespace cvd::ui
