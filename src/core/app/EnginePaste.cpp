// The button paste: the text goes onto the clipboard, the target window
// gets the paste keystroke or its paste method's key macro, and a clip
// button that was pasted is marked used.
#include <algorithm>

#include "core/app/Engine.h"
#include "core/ports/Clipboard.h"
#include "core/ports/Ui.h"

namespace cvd {

namespace {

constexpr int kTargetSettleMs = 50;  // time for the target to come to the front
constexpr const char* kPasteTestText = "Paste Test";
constexpr const char* kTitleMismatchText = "Window title does not match";

// Clears the paste flag however the paste ends.
class PastingScope {
 public:
  explicit PastingScope(Engine& engine) : engine_(engine) { engine_.SetPasting(true); }
  ~PastingScope() { engine_.SetPasting(false); }
  PastingScope(const PastingScope&) = delete;
  PastingScope& operator=(const PastingScope&) = delete;

 private:
  Engine& engine_;
};

}  // namespace

void Engine::ClickButton(int group, int button) {
  // A press handled while a paste runs (a paste lets events through between
  // its steps) waits for that paste to end: run at once, its text would
  // replace the first text on the clipboard before the first keystroke.
  constexpr std::size_t kMaxWaitingPastes = 16;
  if (queuedPastes_.size() < kMaxWaitingPastes) queuedPastes_.emplace_back(group, button);
  if (pasteRunning_) return;
  pasteRunning_ = true;
  while (!queuedPastes_.empty()) {
    const auto [nextGroup, nextButton] = queuedPastes_.front();
    queuedPastes_.pop_front();
    PasteNow(nextGroup, nextButton);
  }
  pasteRunning_ = false;
}

void Engine::PasteNow(int group, int button) {
  if (group < 1 || group > table_.GroupCount() || button < 1 || button > table_.Groups[group].TotalButtons() ||
      button >= static_cast<int>(table_.Groups[group].Buttons.size())) {
    return;
  }
  EventLoop& loop = *ports_.loop;
  clipboardSeen_ = false;
  PastingScope pasting(*this);
  try {
    if (ports_.clipboard) {
      try {
        ports_.clipboard->SetText(table_.Groups[group].Buttons[button].Text);
      } catch (...) {
        // The paste goes on with whatever the clipboard holds.
      }
    }
    if (!settings_.AdvWinTrack && ports_.windows && lastTarget_ != 0) ports_.windows->Activate(lastTarget_);
    loop.Sleep(kTargetSettleMs);
    loop.ProcessEvents();

    std::string title;
    if (ports_.windows) {
      const WindowId foreground = ports_.windows->Foreground();
      if (foreground != 0) title = TitleForMatching(ports_.windows->Title(foreground));
    }
    if (const PasteMethod* method = FindPasteMethod(settings_.PasteKeys, title)) {
      const std::string macro = method->KeyMacro;  // the table may change while the macro runs
      loop.Sleep(std::max(0, method->Delay));
      loop.ProcessEvents();
      macroSender_.SendString(macro);
    } else {
      // Timers ran while events were processed: read the group afresh.
      const int pasteKeyMode = group <= table_.GroupCount() ? table_.Groups[group].PasteKeyMode : 0;
      const int pasteDelay = group <= table_.GroupCount() ? table_.Groups[group].PasteDelay : 0;
      loop.Sleep(std::max(0, pasteDelay));
      loop.ProcessEvents();
      macroSender_.SendPasteKeystroke(pasteKeyMode);
    }
    loop.ProcessEvents();

    if (clipboardSeen_) {
      // Permanent buttons are never marked. The group may have lost the
      // button while events ran.
      if (group <= table_.GroupCount() && table_.Groups[group].IsClipButton(button) &&
          button < static_cast<int>(table_.Groups[group].Buttons.size())) {
        TGroup& g = table_.Groups[group];
        g.Buttons[button].Used = true;
        if (group == table_.CurrentGroup && g.TrackUsed) ports_.ui->SetCaptionColor(button, clGray);
      }
    } else if (ports_.clipboard) {
      // The notification of our own write never came: the connection to
      // the clipboard is lost. Register again, quietly.
      if (subscribed_) ports_.clipboard->Unsubscribe();
      subscribed_ = false;
      loop.ProcessEvents();
      JoinClipboard();
    }
  } catch (...) {
    // A failing port ends the paste; the flag is cleared all the same.
  }
}

bool Engine::TestPasteMethod(const PasteMethod& method, const std::string& title) {
  if (!TitleMatches(method, TitleForMatching(title))) {
    ports_.ui->CursorMessageDlg(kTitleMismatchText, MsgKind::Error, MsgButtons::Ok);
    return false;
  }
  EventLoop& loop = *ports_.loop;
  const std::string macro = method.KeyMacro;  // the method may be an entry of the table
  const int delay = method.Delay;
  PastingScope pasting(*this);
  try {
    if (ports_.clipboard) {
      try {
        ports_.clipboard->SetText(kPasteTestText);
      } catch (...) {
      }
    }
    loop.Sleep(std::max(0, delay));
    macroSender_.SendString(macro);
    // Let the notification of the test text arrive while the flag is still
    // set, so that the test text never becomes a clip.
    loop.ProcessEvents();
  } catch (...) {
  }
  return true;
}

}  // namespace cvd
