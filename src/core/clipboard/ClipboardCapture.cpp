#include "core/clipboard/ClipboardCapture.h"
#include "core/log/Log.h"

namespace cvd {

ClipboardCapture::ClipboardCapture(Clipboard& clipboard, EventLoop& loop, GroupTable& table, CaptureHooks hooks)
    : clipboard_(clipboard), table_(table), hooks_(std::move(hooks)) {
  // The gate debounces one change; a different copy refused while it was
  // shut is still on the clipboard when it closes, and is taken then.
  copyTimer_ = loop.CreateTimer(50, true, [this] {
    if (!refusedByGate_) return;
    refusedByGate_ = false;
    CopyFromClipboard();
  });
  copyDelayTimer_ = loop.CreateTimer(25, true, [this] {
    copyDelayTimer_->Stop();
    CopyFromClipboard();
  });
  lastSeqNo_ = clipboard_.SequenceNumber();
}

ClipboardCapture::~ClipboardCapture() = default;

void ClipboardCapture::JoinClipboard() {
  subscribed_ = clipboard_.Subscribe([this] { ClipboardUpdate(); });
}

void ClipboardCapture::LeaveClipboard() {
  if (subscribed_) clipboard_.Unsubscribe();
  subscribed_ = false;
}

void ClipboardCapture::Stop() {
  LeaveClipboard();
  copyTimer_->Stop();
  copyDelayTimer_->Stop();
}

void ClipboardCapture::ClipboardUpdate() {
  // A running delay is not restarted: several notifications within 25 ms
  // give one capture, 25 ms after the first.
  if (!copyDelayTimer_->IsActive()) copyDelayTimer_->Start();
  lastSeqNo_ = clipboard_.SequenceNumber();
}

void ClipboardCapture::CopyFromClipboard() {
  try {
    const bool blockedByHook = hooks_.blocked && hooks_.blocked();
    // Our own writes are blocked anyway: asking would only cost time.
    if (!blockedByHook && hooks_.keptOut) {
      if (const std::string why = hooks_.keptOut(); !why.empty()) {
        LogInfo("clipboard", "a copy was not kept: " + why);
        refusedByGate_ = false;
        clipboardSeen_ = true;
        return;
      }
    }
    const std::optional<std::string> text = clipboard_.Text();
    if (text && !blockedByHook && hooks_.probe && hooks_.probe(*text)) {
      refusedByGate_ = false;
      clipboardSeen_ = true;
      return;
    }
    const bool blocked = !text.has_value() || blockedByHook;
    // The clipboard now holds what was refused: a blocked text (our own
    // paste) must not be taken when the gate closes.
    refusedByGate_ = !blocked && copyTimer_->IsActive() && gateAfterCapture_ && *text != gateText_;
    const bool gateOpen = !blocked && !copyTimer_->IsActive();
    if (gateOpen && table_.CurrentGroup >= 1 && table_.CurrentGroup <= table_.GroupCount()) {
      copyTimer_->Start();
      gateAfterCapture_ = true;
      gateText_ = *text;
      const int group = table_.CurrentGroup;
      const FillResult result = FillClip(table_.Current(), *text, hooks_.makeCaption);
      if (hooks_.captured) hooks_.captured(group, *text);
      if (result.changed) {
        lastFilled_ = result.filled;
        lastFillGroup_ = group;
        if (hooks_.filled) hooks_.filled(group, *text, result);
      }
    }
  } catch (...) {
    // A failed capture is dropped; the next change is taken normally.
    LogWarning("clipboard", "a clipboard change could not be captured: " + CurrentExceptionText());
  }
  clipboardSeen_ = true;
}

void ClipboardCapture::GroupDeleted(int g) {
  if (lastFillGroup_ == g) {
    lastFillGroup_ = -1;
    lastFilled_ = -1;
  } else if (lastFillGroup_ > g) {
    --lastFillGroup_;
  }
}

}  // namespace cvd
