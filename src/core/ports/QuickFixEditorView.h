#pragma once
// The quick fix editor's window as the core drives it: shown modelessly,
// hidden by "Close", and its action box filled when a fix is loaded.
#include <string>

namespace cvd {

class QuickFixEditorView {
 public:
  virtual ~QuickFixEditorView() = default;
  // Shows the window (or raises it) with the keyboard focus in it.
  virtual void ShowEditor() = 0;
  virtual void HideEditor() = 0;
  // Replaces the text of the action box; the box reports the change back
  // like any other edit.
  virtual void SetActionText(const std::string& text) = 0;
  virtual void FocusActionText() = 0;
};

}  // namespace cvd
