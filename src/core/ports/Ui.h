#pragma once
// What the core asks of the user interface: questions and messages at the
// pointer, and the button window as a humble view.
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "core/ports/WindowLayout.h"
#include "core/util/ColorValue.h"
#include "core/util/Geometry.h"

namespace cvd {

enum class MsgKind { Warning, Error, Information, Confirmation };
enum class MsgButtons { Ok, OkCancel, YesNo, YesNoCancel };
enum class MsgResult { Ok, Cancel, Yes, No };

// A text colour and a face colour, as a button carries them.
struct ColorPair {
  TColor text = 0;
  TColor face = 0;
  bool operator==(const ColorPair&) const = default;
};

// The colour dialog's answer: the favourites as the user left them (kept
// even on Cancel), and the chosen pair on OK.
struct ColorDialogResult {
  std::optional<ColorPair> chosen;
  std::vector<ColorPair> favorites;
};

// The name, hint and text of a button as a dialog edits them.
struct ButtonFields {
  std::string name;
  std::string hint;
  std::string text;
  bool operator==(const ButtonFields&) const = default;
};

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

class Ui {
 public:
  virtual ~Ui() = default;

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
  // Balloon message of the tray icon.
  virtual void Balloon(const std::string& title, const std::string& text, int timeoutSeconds) = 0;

  // The system folder browser (file-system folders only) opened on
  // `startFolder`, showing the path of the selected folder under the title.
  // With `canCreate` the user may make a new folder (after a question).
  // Nothing when cancelled.
  virtual std::optional<std::string> BrowseForFolder(const std::string& title, const std::string& startFolder,
                                                     bool canCreate) = 0;
  // Screen sizes for placing windows whose positions were stored.
  virtual ScreenGeometry Screen() = 0;

  // The button window.
  virtual void ApplyLayout(const WindowLayout& layout) = 0;
  virtual void SetCaptionColor(int button, TColor color) = 0;
  virtual void SetButtonCaption(int button, const std::string& caption) = 0;
  virtual void ShowButtonWindow() = 0;
  virtual void HideButtonWindow() = 0;
  virtual bool ButtonWindowVisible() = 0;
  virtual void SetOpacity(int alpha) = 0;
  virtual int Opacity() = 0;
  // Rolled up: only the group selector shows.
  virtual void SetClientSize(Size size) = 0;
  virtual Rect ButtonWindowFrame() = 0;
  virtual void MoveButtonWindow(Point topLeft) = 0;
  // The work area of the display that holds the button window.
  virtual Rect DisplayOfButtonWindow() = 0;
  virtual Point PointerPosition() = 0;
  // The visible button under the pointer, or -1.
  virtual int ButtonUnderPointer() = 0;
  virtual void ShowHint(const std::string& text, const Rect& where) = 0;
  virtual void HideHint() = 0;

  // Desktop integration: whether the tray icon is in a tray the user can see.
  virtual bool TrayIconShown() = 0;
  // Whether a Balloon reaches the user: the tray shows it, or the desktop
  // has a notification service.
  virtual bool BalloonsShown() = 0;
  // Focus of the button window: with `on`, clicks never activate it.
  virtual void SetNoActivate(bool on) = 0;
  // Shortcut keys: the delimiter list of "Paste all buttons", modally at the
  // pointer; true when closed with OK.
  virtual bool ShowListForm() = 0;

  // Group and button menus: the button menu at a screen point and the colour dialog.
  virtual void PopupButtonMenu(Point where) = 0;
  virtual ColorDialogResult ColorDialog(const ColorPair& preset, const std::vector<ColorPair>& favorites) = 0;

  // Idle at rest: the view tells when the pointer enters or leaves the
  // button window; an empty function ends that.
  virtual void SetPointerHandler(std::function<void(bool inside)> handler) = 0;
};

}  // namespace cvd
