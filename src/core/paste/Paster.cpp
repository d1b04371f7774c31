#include "core/paste/Paster.h"

#include <algorithm>

#include "core/clipboard/ClipboardCapture.h"
#include "core/log/Log.h"
#include "core/target/TargetTracker.h"

namespace cvd {

namespace {

constexpr int kTargetSettleMs = 50;  // time for the target to come to the front
constexpr std::size_t kMaxWaitingPastes = 16;
constexpr const char* kPasteTestText = "Paste Test";
constexpr const char* kTitleMismatchText = "Window title does not match";

void SetTextQuietly(Clipboard& clipboard, const std::string& text) {
  try {
    clipboard.SetText(text);
  } catch (...) {
    // The paste goes on with whatever the clipboard holds.
    LogWarning("paste", "the clipboard could not be set: " + CurrentExceptionText());
  }
}

}  // namespace

// Sets the paste flag for as long as the paste runs, however it ends.
class Paster::PastingScope {
 public:
  explicit PastingScope(Paster& paster) : paster_(paster) { paster_.pasting_ = true; }
  ~PastingScope() { paster_.pasting_ = false; }
  PastingScope(const PastingScope&) = delete;
  PastingScope& operator=(const PastingScope&) = delete;

 private:
  Paster& paster_;
};

Paster::Paster(PastePorts ports, GroupTable& table, ClipboardCapture& capture, const TargetTracker& tracker,
               PasteOptions options)
    : ports_(ports),
      table_(table),
      capture_(capture),
      tracker_(tracker),
      options_(options),
      macroSender_(ports.keyboard, ports.loop) {}

void Paster::ClickButton(int group, int button) {
  // A press handled while a paste runs (a paste lets events through between
  // its steps) waits for that paste to end: run at once, its text would
  // replace the first text on the clipboard before the first keystroke.
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

void Paster::PasteNow(int group, int button) {
  if (group < 1 || group > table_.GroupCount() || button < 1 || button > table_.Groups[group].TotalButtons() ||
      button >= static_cast<int>(table_.Groups[group].Buttons.size())) {
    return;
  }
  EventLoop& loop = ports_.loop;
  capture_.SetClipboardSeen(false);
  PastingScope pasting(*this);
  try {
    SetTextQuietly(ports_.clipboard, table_.Groups[group].Buttons[button].Text);
    if (!options_.advWinTrack && tracker_.LastTarget() != 0) ports_.windows.Activate(tracker_.LastTarget());
    loop.Sleep(kTargetSettleMs);
    loop.ProcessEvents();

    std::string title;
    const WindowId foreground = ports_.windows.Foreground();
    if (foreground != 0) title = TitleForMatching(ports_.windows.Title(foreground));
    if (const PasteMethod* method = FindPasteMethod(options_.pasteKeys, title)) {
      const std::string macro = method->KeyMacro;  // the table may change while the macro runs
      loop.Sleep(std::max(0, method->Delay));
      loop.ProcessEvents();
      macroSender_.SendString(macro);
    } else {
      // Timers ran while events were processed: read the group afresh.
      const int pasteKeyMode = group <= table_.GroupCount() ? table_.Groups[group].PasteKeyMode : 0;
      const int pasteDelay = group <= table_.GroupCount() ? table_.Groups[group].PasteDelay : 0;
      const bool terminal =
          foreground != 0 && IsTerminalClass(options_.terminals, ports_.windows.ClassName(foreground));
      const std::string terminalMacro = terminal ? options_.terminals.KeyMacro : std::string();
      loop.Sleep(std::max(0, pasteDelay));
      loop.ProcessEvents();
      if (terminal) {
        macroSender_.SendString(terminalMacro);
      } else {
        macroSender_.SendPasteKeystroke(pasteKeyMode);
      }
    }
    loop.ProcessEvents();

    if (capture_.ClipboardSeen()) {
      MarkUsed(group, button);
    } else {
      // The notification of our own write never came: the connection to
      // the clipboard is lost. Register again, quietly.
      capture_.LeaveClipboard();
      loop.ProcessEvents();
      capture_.JoinClipboard();
    }
  } catch (...) {
    // A failing port ends the paste; the flag is cleared all the same.
    LogWarning("paste", "the paste was cut short: " + CurrentExceptionText());
  }
}

void Paster::MarkUsed(int group, int button) {
  // Permanent buttons are never marked. The group may have lost the button
  // while events ran.
  if (group > table_.GroupCount() || !table_.Groups[group].IsClipButton(button) ||
      button >= static_cast<int>(table_.Groups[group].Buttons.size())) {
    return;
  }
  TGroup& g = table_.Groups[group];
  g.Buttons.SetUsed(button, true);
  if (group == table_.CurrentGroup && g.TrackUsed) ports_.windowView.SetCaptionColor(button, clGray);
}

bool Paster::TestPasteMethod(const PasteMethod& method, const std::string& title) {
  if (!TitleMatches(method, TitleForMatching(title))) {
    ports_.ui.CursorMessageDlg(kTitleMismatchText, MsgKind::Error, MsgButtons::Ok);
    return false;
  }
  const std::string macro = method.KeyMacro;  // the method may be an entry of the table
  const int delay = method.Delay;
  PastingScope pasting(*this);
  try {
    SetTextQuietly(ports_.clipboard, kPasteTestText);
    ports_.loop.Sleep(std::max(0, delay));
    macroSender_.SendString(macro);
    // Let the notification of the test text arrive while the flag is still
    // set, so that the test text never becomes a clip.
    ports_.loop.ProcessEvents();
  } catch (...) {
    LogWarning("paste", "the paste method's test was cut short: " + CurrentExceptionText());
  }
  return true;
}

}  // namespace cvd
