#pragma once
// Accessibility roles of the program's own top-level windows.

namespace cvd::ui {

// Qt exposes a top-level plain QWidget (the button window, the quick fix
// editor) as a "filler", so a screen reader announces no window when one
// appears. After this call such windows are windows, named by their title;
// dialogs keep the dialog role Qt gives them. Call once after the
// QApplication exists.
void InstallWindowRoles();

}  // namespace cvd::ui
