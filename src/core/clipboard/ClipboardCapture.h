#pragma once
// Clipboard capture: a change notification schedules one capture 25 ms
// later; the capture gate decides, and the text fills the clip buttons of
// the group on screen. A copy the gate refused is taken when it closes.
#include <cstdint>
#include <functional>
#include <memory>
#include <string>

#include "core/clipboard/ClipFill.h"
#include "core/data/GroupTable.h"
#include "core/ports/Clipboard.h"
#include "core/ports/EventLoop.h"
#include "core/util/Required.h"

namespace cvd {

struct CaptureHooks {
  // True while something else keeps copies out (a paste, a hidden window
  // with "don't copy", the open editor).
  Required<bool()> blocked;
  Required<std::string(const std::string& text)> makeCaption;
  // A text passed the gate into group `group`, whatever the fill did.
  Required<void(int group, const std::string& text)> captured;
  // `text` changed clip button `result.filled` of group `group`.
  Required<void(int group, const std::string& text, const FillResult& result)> filled;
  // Why the copy on offer must not be kept at all (a secret, a listed
  // program, a pause); empty when it may. Asked before the text is read.
  std::function<std::string()> keptOut;
  // A copy that is a self-test's (corvinade-tool doctor): seen, never kept.
  std::function<bool(const std::string& text)> probe;
};

class ClipboardCapture {
 public:
  ClipboardCapture(Clipboard& clipboard, EventLoop& loop, GroupTable& table, CaptureHooks hooks);
  ~ClipboardCapture();

  // Registers for clipboard notifications (again: repairs a lost connection).
  void JoinClipboard();
  void LeaveClipboard();
  // Copies within the next 50 ms are not taken (start-up's lock-out), not
  // even when it ends.
  void StartLockOut() {
    copyTimer_->Start();
    gateAfterCapture_ = false;
    refusedByGate_ = false;
  }
  void Stop();

  void ClipboardUpdate();
  void CopyFromClipboard();

  // Whether a capture step ran since it was last cleared: the paste clears
  // it before its own write and learns from it that notifications still come.
  bool ClipboardSeen() const { return clipboardSeen_; }
  void SetClipboardSeen(bool seen) { clipboardSeen_ = seen; }
  std::uint32_t LastSeqNo() const { return lastSeqNo_; }
  // The clip button last filled and its group (-1: none yet).
  int LastFilled() const { return lastFilled_; }
  int LastFillGroup() const { return lastFillGroup_; }
  // The last filled button was cleared: nothing counts as last copied.
  void ForgetLastFilled() { lastFilled_ = -1; }
  // Group `g` was deleted: the last filled group follows its new number, or
  // is forgotten when it was the one deleted.
  void GroupDeleted(int g);

 private:
  Clipboard& clipboard_;
  GroupTable& table_;
  CaptureHooks hooks_;
  std::unique_ptr<Timer> copyTimer_;       // lock-out after a capture
  std::unique_ptr<Timer> copyDelayTimer_;  // the 25 ms delay
  std::uint32_t lastSeqNo_ = 0;
  bool gateAfterCapture_ = false;  // the gate was shut by a capture, not the start-up lock-out
  bool refusedByGate_ = false;     // a new text came while the gate was shut
  std::string gateText_;           // the text whose capture shut the gate: a repeated notice of it is no new copy
  bool clipboardSeen_ = false;
  bool subscribed_ = false;
  int lastFilled_ = -1;
  int lastFillGroup_ = -1;
};

}  // namespace cvd
