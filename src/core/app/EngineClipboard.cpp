// Clipboard capture of the button window: a notification starts the 25 ms
// delay, the capture gate decides, and the text fills the clip buttons.
#include "core/app/Engine.h"
#include "core/clipboard/ClipFill.h"
#include "core/ports/Clipboard.h"
#include "core/ports/Shell.h"
#include "core/ports/Ui.h"

namespace cvd {

void Engine::JoinClipboard() {
  if (!ports_.clipboard) return;
  subscribed_ = ports_.clipboard->Subscribe([this] { ClipboardUpdate(); });
}

void Engine::ClipboardUpdate() {
  // A running delay is not restarted: several notifications within 25 ms
  // give one capture, 25 ms after the first.
  if (!copyDelayTimer_->IsActive()) copyDelayTimer_->Start();
  lastSeqNo_ = ports_.clipboard->SequenceNumber();
}

void Engine::CopyDelayTimerTimer() {
  copyDelayTimer_->Stop();
  CopyFromClipboard();
}

void Engine::CopyFromClipboard() {
  try {
    const std::optional<std::string> text = ports_.clipboard->Text();
    const bool gateOpen = text.has_value() && !pasting_ && !copyTimer_->IsActive() &&
                          !(options_.DontCopy && !ports_.ui->ButtonWindowVisible()) &&
                          !(editorVisible_ && editorVisible_());
    if (gateOpen && table_.CurrentGroup >= 1 && table_.CurrentGroup <= table_.GroupCount()) {
      copyTimer_->Start();
      TGroup& group = table_.Current();
      const FillResult result = FillClip(group, *text, [this](const std::string& t) { return MakeCaption(t); });
      if (result.changed) {
        lastFilled_ = result.filled;
        if (group.PlaySound && ports_.shell) ports_.shell->PlaySound(group.SoundFile);
        lastFillGroup_ = table_.CurrentGroup;
        Display();
        if (options_.RestoreOnCopy && !ports_.ui->ButtonWindowVisible()) ShowButtonWindow();
        ports_.ui->HideHint();
        hint_ = HintState{};
      }
      // Shared groups send the clip to the share file here.
    }
  } catch (...) {
    // A failed capture is dropped; the next change is taken normally.
  }
  clipboardSeen_ = true;
}

}  // namespace cvd
