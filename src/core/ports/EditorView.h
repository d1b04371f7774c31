#pragma once
// The button editor's form as the core drives it. The form reads what it
// shows from the editor (ButtonEditor) and passes every user action back.
#include <cstddef>
#include <string>

namespace cvd {

enum class EditorPage { Button, Groups };

// Where the keyboard goes: the name box with its whole text selected, or the
// text box with the caret at the end.
enum class EditorFocus { Name, Text };

// A selection in the text box, in bytes of the UTF-8 text.
struct TextSelection {
  std::size_t start = 0;
  std::size_t length = 0;
};

class EditorView {
 public:
  virtual ~EditorView() = default;
  // Shows the form modally on `page`; returns once it closed, true when it
  // closed with OK.
  virtual bool ShowModal(EditorPage page) = 0;
  // Ends ShowModal.
  virtual void Close(bool ok) = 0;
  virtual void ShowPage(EditorPage page) = 0;
  // The edited button's fields changed under the form: show them again.
  virtual void ShowButton() = 0;
  // The group list, the button list and the options of the options group.
  virtual void ShowGroups() = 0;
  virtual void ShowCaption(const std::string& caption) = 0;
  virtual void Focus(EditorFocus focus) = 0;
  virtual TextSelection Selection() = 0;
  virtual void SetSelection(TextSelection selection) = 0;
};

}  // namespace cvd
