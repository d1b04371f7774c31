#pragma once
// Dialogs of the button window open at the mouse pointer, take the keyboard
// while they are open and carry their caption as their accessible name.
class QDialog;

namespace cvd::ui {

// Places the dialog at the pointer (kept on screen) and runs it modally.
int ExecAtPointer(QDialog& dialog);

}  // namespace cvd::ui
