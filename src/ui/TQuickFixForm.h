#pragma once
// "Custom Quick Fix": the modeless window in which the user keeps the quick
// fixes, writes their actions from the list of functions and gives them
// mouse gestures. Every operation belongs to the core's QuickFixListEditor;
// this view calls it and redraws from its state.
#include <QWidget>
#include <functional>

#include "core/ports/QuickFixEditorView.h"

class QLabel;
class QListWidget;
class QMenu;
class QPlainTextEdit;
class QPushButton;
class QStatusBar;

namespace cvd {
class QuickFixListEditor;
}

namespace cvd::ui {

class TQuickFixForm : public QWidget, public QuickFixEditorView {
  Q_OBJECT
 public:
  TQuickFixForm();
  void SetEditor(QuickFixListEditor* editor) { editor_ = editor; }
  void SetHelpHandler(std::function<void()> help) { help_ = std::move(help); }

  // QuickFixEditorView
  void ShowEditor() override;
  void HideEditor() override;
  void SetActionText(const std::string& text) override;
  void FocusActionText() override;

  // Builds the gesture menu for the selected fix (shown by a right-click or
  // the menu key on FixList).
  QMenu* GestureMenu();

  QListWidget* FixList = nullptr;
  QPlainTextEdit* FixText = nullptr;
  QListWidget* QuickFixes = nullptr;
  QPushButton* HelpButton = nullptr;
  QPushButton* NewButton = nullptr;
  QPushButton* DeleteButton = nullptr;
  QPushButton* RenameButton = nullptr;
  QPushButton* CloseButton = nullptr;
  QStatusBar* StatusBar = nullptr;

 protected:
  bool event(QEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  void moveEvent(QMoveEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;

 private:
  void Refill();
  void StoreBounds();
  void MoveSelected(int by);
  bool BackspaceOverCommand();
  void AddFunction(int row);

  QuickFixListEditor* editor_ = nullptr;
  std::function<void()> help_;
  QMenu* gestureMenu_ = nullptr;
};

}  // namespace cvd::ui
