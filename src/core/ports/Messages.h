#pragma once
// Questions and messages at the pointer, and the standard dialogs the core
// opens: file and folder choosers, a one-line input box, the delimiter list.
#include <optional>
#include <string>

namespace cvd {

enum class MsgKind { Warning, Error, Information, Confirmation };
enum class MsgButtons { Ok, OkCancel, YesNo, YesNoCancel };
enum class MsgResult { Ok, Cancel, Yes, No };

struct AskResult {
  MsgResult result = MsgResult::Cancel;
  bool dontAskAgain = false;
};

// A standard open or save dialog. `filter` is "Description|*.ext"; the
// default extension is added to a typed name without one.
struct FileDialogOptions {
  std::string title;
  std::string filter;
  std::string defaultExt;
  std::string initialDir;
  std::string fileName;  // proposed name (save dialog)
};

class Messages {
 public:
  virtual ~Messages() = default;

  // Message box placed at the mouse pointer.
  virtual MsgResult CursorMessageDlg(const std::string& text, MsgKind kind, MsgButtons buttons) = 0;
  // The same with a "Don't ask again." check box.
  virtual AskResult CursorMessageDlgAsk(const std::string& text, MsgKind kind, MsgButtons buttons) = 0;
  // A one-line text input box; nothing when closed with Cancel.
  virtual std::optional<std::string> InputQuery(const std::string& caption, const std::string& prompt,
                                                const std::string& initial) = 0;
  // File dialogs: the chosen full path, or nothing when cancelled.
  virtual std::optional<std::string> SaveFileDialog(const FileDialogOptions& options) = 0;
  virtual std::optional<std::string> OpenFileDialog(const FileDialogOptions& options) = 0;
  // The system folder browser (file-system folders only) opened on
  // `startFolder`, showing the path of the selected folder under the title.
  // With `canCreate` the user may make a new folder (after a question).
  // Nothing when cancelled.
  virtual std::optional<std::string> BrowseForFolder(const std::string& title, const std::string& startFolder,
                                                     bool canCreate) = 0;
  // Shortcut keys: the delimiter list of "Paste all buttons", modally at the
  // pointer; true when closed with OK.
  virtual bool ShowListForm() = 0;
};

}  // namespace cvd
