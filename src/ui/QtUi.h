#pragma once
// The user-interface port on Qt Widgets.
#include "core/ports/Ui.h"

namespace cvd::ui {

class TMainForm;
class TTrayForm;
class HintWindow;
class TListForm;

class QtUi : public Ui {
 public:
  QtUi(TMainForm& form, TTrayForm& tray, HintWindow& hint) : form_(form), tray_(tray), hint_(hint) {}

  MsgResult CursorMessageDlg(const std::string& text, MsgKind kind, MsgButtons buttons) override;
  AskResult CursorMessageDlgAsk(const std::string& text, MsgKind kind, MsgButtons buttons) override;
  void Balloon(const std::string& title, const std::string& text, int timeoutSeconds) override;
  std::optional<std::string> InputQuery(const std::string& caption, const std::string& prompt,
                                        const std::string& initial) override;
  std::optional<std::string> SaveFileDialog(const FileDialogOptions& options) override;
  std::optional<std::string> OpenFileDialog(const FileDialogOptions& options) override;
  std::optional<std::string> BrowseForFolder(const std::string& title, const std::string& startFolder,
                                             bool canCreate) override;
  ScreenGeometry Screen() override;

  void ApplyLayout(const WindowLayout& layout) override;
  void SetCaptionColor(int button, TColor color) override;
  void SetButtonCaption(int button, const std::string& caption) override;
  void ShowButtonWindow() override;
  void HideButtonWindow() override;
  bool ButtonWindowVisible() override;
  void SetOpacity(int alpha) override;
  int Opacity() override;
  void SetClientSize(Size size) override;
  Rect ButtonWindowFrame() override;
  void MoveButtonWindow(Point topLeft) override;
  Rect DisplayOfButtonWindow() override;
  Point PointerPosition() override;
  int ButtonUnderPointer() override;
  void ShowHint(const std::string& text, const Rect& where) override;
  void HideHint() override;
  // Desktop integration.
  bool TrayIconShown() override;
  bool BalloonsShown() override;
  void SetNoActivate(bool on) override;
  // Shortcut keys: the delimiter list.
  bool ShowListForm() override;
  void SetListForm(TListForm* listForm) { listForm_ = listForm; }

  // Group and button menus.
  void PopupButtonMenu(Point where) override;
  ColorDialogResult ColorDialog(const ColorPair& preset, const std::vector<ColorPair>& favorites) override;
  void SetPointerHandler(std::function<void(bool inside)> handler) override;
  void ShowPaused(bool paused) override;

 private:
  TMainForm& form_;
  TTrayForm& tray_;
  HintWindow& hint_;
  TListForm* listForm_ = nullptr;
};

}  // namespace cvd::ui
