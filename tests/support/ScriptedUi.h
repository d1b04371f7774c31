#pragma once
// A user interface for tests: questions are answered from a queue (an
// unexpected question fails the test), and the button window is a record of
// what the core asked it to show.
#include <deque>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "core/ports/Ui.h"

namespace cvd::test {

// A folder dialog the core opened.
struct ShownFolderDialog {
  std::string title, startFolder;
  bool canCreate = false;
};

struct ShownMessage {
  std::string text;
  MsgKind kind;
  MsgButtons buttons;
};

class ScriptedUi : public Ui {
 public:
  // Queues the answer for the next question.
  void Answer(MsgResult result, bool dontAskAgain = false) { answers_.push_back({result, dontAskAgain}); }
  // Queues the answer of the next input box, file or folder dialog (nothing: Cancel).
  void AnswerInput(std::optional<std::string> text) { inputs_.push_back(std::move(text)); }
  void AnswerFile(std::optional<std::string> path) { files_.push_back(std::move(path)); }
  void AnswerFolder(std::optional<std::string> folder) { folders_.push_back(std::move(folder)); }
  bool AllAnswersUsed() const {
    return answers_.empty() && inputs_.empty() && files_.empty() && folders_.empty() && colors_.empty();
  }

  MsgResult CursorMessageDlg(const std::string& text, MsgKind kind, MsgButtons buttons) override;
  AskResult CursorMessageDlgAsk(const std::string& text, MsgKind kind, MsgButtons buttons) override;
  void Balloon(const std::string& title, const std::string& text, int timeoutSeconds) override;
  std::optional<std::string> InputQuery(const std::string& caption, const std::string& prompt,
                                        const std::string& initial) override;
  std::optional<std::string> SaveFileDialog(const FileDialogOptions& options) override;
  std::optional<std::string> OpenFileDialog(const FileDialogOptions& options) override;
  std::optional<std::string> BrowseForFolder(const std::string& title, const std::string& startFolder,
                                             bool canCreate) override;
  ScreenGeometry Screen() override { return screen; }

  void ApplyLayout(const WindowLayout& layout) override;
  void SetCaptionColor(int button, TColor color) override { captionColors[button] = color; }
  void SetButtonCaption(int button, const std::string& caption) override { captions[button] = caption; }
  void ShowButtonWindow() override { visible = true; }
  void HideButtonWindow() override { visible = false; }
  bool ButtonWindowVisible() override { return visible; }
  void SetOpacity(int alpha) override { opacity = alpha; }
  int Opacity() override { return opacity; }
  void SetClientSize(Size size) override {
    frame.width = size.width;
    frame.height = size.height;
  }
  Rect ButtonWindowFrame() override { return frame; }
  void MoveButtonWindow(Point topLeft) override {
    frame.left = topLeft.x;
    frame.top = topLeft.y;
  }
  Rect DisplayOfButtonWindow() override { return display; }
  Point PointerPosition() override { return pointer; }
  int ButtonUnderPointer() override { return buttonUnderPointer; }
  void ShowHint(const std::string& text, const Rect& where) override;
  void HideHint() override { hintVisible = false; }
  // Desktop integration.
  bool TrayIconShown() override { return trayShown; }
  bool BalloonsShown() override { return trayShown || notificationService; }
  void SetNoActivate(bool on) override { noActivate = on; }
  void ShowPaused(bool paused) override { pausedShown.push_back(paused); }
  std::vector<bool> pausedShown;  // what the window said of the pause, in order
  // Shortcut keys: the delimiter list closes with listFormOk.
  bool ShowListForm() override {
    ++listFormShows;
    if (whileListFormShows) whileListFormShows();
    return listFormOk;
  }
  bool listFormOk = true;
  std::function<void()> whileListFormShows;
  int listFormShows = 0;

  // Group and button menus.
  void PopupButtonMenu(Point where) override { buttonMenus.push_back(where); }
  ColorDialogResult ColorDialog(const ColorPair& preset, const std::vector<ColorPair>& favorites) override;
  // Queues the colour dialog's answer (nothing: Cancel).
  void AnswerColor(std::optional<ColorPair> pair) { colors_.push_back(pair); }
  std::vector<Point> buttonMenus;
  std::vector<ColorPair> colorPresets;
  void SetPointerHandler(std::function<void(bool)> handler) override { pointerHandler = std::move(handler); }
  // The pointer moves over button `button` of the window, or (-1) away from it.
  void MovePointer(int button) {
    buttonUnderPointer = button;
    if (pointerHandler) pointerHandler(button >= 0);
  }

  // What the view shows.
  std::vector<ShownMessage> messages;
  std::vector<std::string> balloons;
  // Input boxes as "caption|prompt|initial"; file and folder dialogs as they were asked.
  std::vector<std::string> inputQueries;
  std::vector<FileDialogOptions> fileDialogs;
  std::vector<ShownFolderDialog> folderDialogs;
  ScreenGeometry screen;
  std::vector<WindowLayout> layouts;
  std::map<int, TColor> captionColors;
  std::map<int, std::string> captions;
  bool visible = false, hintVisible = false, trayShown = true, noActivate = false, notificationService = true;
  int opacity = 255, buttonUnderPointer = -1, hintShows = 0;
  Rect frame{0, 0, 90, 140}, display{0, 0, 1920, 1080}, hintRect;
  Point pointer{0, 0};
  std::string hintText;
  std::function<void(bool)> pointerHandler;

 private:
  std::deque<AskResult> answers_;
  std::deque<std::optional<std::string>> inputs_, files_, folders_;
  std::deque<std::optional<ColorPair>> colors_;
};

}  // namespace cvd::test
