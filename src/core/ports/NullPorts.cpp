// Ports for a system that lacks the service: they answer "nothing there".
#include "core/ports/Clipboard.h"
#include "core/ports/EditorView.h"
#include "core/ports/FolderWatch.h"
#include "core/ports/Hotkeys.h"
#include "core/ports/Keyboard.h"
#include "core/ports/Ports.h"
#include "core/ports/QuickFixEditorView.h"
#include "core/ports/SearchView.h"
#include "core/ports/SetupView.h"
#include "core/ports/Shell.h"
#include "core/ports/Windows.h"

namespace cvd {
namespace {

class NullClipboard final : public Clipboard {
 public:
  std::optional<std::string> Text() override { return std::nullopt; }
  void SetText(const std::string&) override {}
  std::uint32_t SequenceNumber() override { return 0; }
  bool Subscribe(std::function<void()>) override { return false; }
  void Unsubscribe() override {}
};

class NullKeyboard final : public Keyboard {
 public:
  void SendKeyEvent(Key, bool) override {}
  std::optional<KeyScan> KeyForCharacter(char32_t) override { return std::nullopt; }
  bool CapsLockOn() override { return false; }
  bool IsKeyDown(NamedKey) override { return false; }
};

class NullHotkeys final : public Hotkeys {
 public:
  // Without a key service nothing is refused.
  bool Register(int, const Shortcut&) override { return true; }
  void Unregister(int) override {}
  void SetHandler(std::function<void(int)>) override {}
};

class NullWindows final : public Windows {
 public:
  WindowId Foreground() override { return 0; }
  std::string Title(WindowId) override { return {}; }
  bool IsMinimized(WindowId) override { return false; }
  bool IsOurs(WindowId) override { return false; }
  std::string ExecutableName(WindowId) override { return {}; }
  std::string ClassName(WindowId) override { return {}; }
  bool Activate(WindowId) override { return false; }
  WindowId WindowUnderPointer() override { return 0; }
  bool SetChangeHandler(std::function<void()>) override { return false; }
};

class NullShell final : public Shell {
 public:
  bool Open(const std::string&) override { return false; }
  void PlaySound(const std::string&) override {}
  std::string ComputerName() override { return {}; }
  bool SessionLocked() override { return false; }
  void OnSessionLockChanged(std::function<void(bool)>) override {}
};

class NullFolderWatch final : public FolderWatch {
 public:
  bool Watch(const std::string&, std::function<void()>) override { return false; }
};

// Button search without a dialog: it closes at once where it was.
class NullSearchView final : public SearchView {
 public:
  void ShowModal(const Rect& frame) override { frame_ = frame; }
  void Close() override {}
  Rect Frame() override { return frame_; }
  void HitsChanged(int, int) override {}
  void SetFoundText(const std::string&) override {}
  void SetOptions(const SearchOptions&) override {}
  void SetEditEnabled(bool) override {}

 private:
  Rect frame_;
};

// Without a setup dialog nothing shows and nothing blocks closing.
class NullSetupView final : public SetupView {
 public:
  void ShowModal(std::optional<SetupPage>, int) override {}
  bool Showing() override { return false; }
  void TurnTo(SetupPage, int) override {}
  bool PagesCanClose() override { return true; }
};

// Quick fix editor: no window to show.
class NullQuickFixEditorView final : public QuickFixEditorView {
 public:
  void ShowEditor() override {}
  void HideEditor() override {}
  void SetActionText(const std::string&) override {}
  void FocusActionText() override {}
};

// The button editor without a form: it closes at once, as if cancelled.
class NullEditorView final : public EditorView {
 public:
  bool ShowModal(EditorPage) override { return false; }
  void Close(bool) override {}
  void ShowPage(EditorPage) override {}
  void ShowButton() override {}
  void ShowGroups() override {}
  void ShowCaption(const std::string&) override {}
  void Focus(EditorFocus) override {}
  TextSelection Selection() override { return {}; }
  void SetSelection(TextSelection) override {}
};

template <typename Port, typename Null>
void Fill(Port*& port) {
  static Null none;  // one instance serves every user (the search view only echoes a frame)
  if (!port) port = &none;
}

}  // namespace

Ports WithNullPorts(Ports ports) {
  Fill<Clipboard, NullClipboard>(ports.clipboard);
  Fill<Keyboard, NullKeyboard>(ports.keyboard);
  Fill<Hotkeys, NullHotkeys>(ports.hotkeys);
  Fill<Windows, NullWindows>(ports.windows);
  Fill<Shell, NullShell>(ports.shell);
  Fill<FolderWatch, NullFolderWatch>(ports.folderWatch);
  Fill<SearchView, NullSearchView>(ports.searchView);
  Fill<SetupView, NullSetupView>(ports.setupView);
  Fill<QuickFixEditorView, NullQuickFixEditorView>(ports.quickFixEditorView);
  Fill<EditorView, NullEditorView>(ports.editorView);
  return ports;
}

}  // namespace cvd
