#pragma once
// Clipboard sharing between computers: clips of shared groups go to the share
// file, and the lines other computers add come into the groups of the same
// name here. A change notice of the share folder, or a change of the file's
// size or time seen about once a second (a network file system does not report
// writes of other computers), starts the 50 ms ShareTimer, whose read pass
// takes the new lines. That check runs only while sharing is on and the
// folder's notices may miss writes: at rest nothing else wakes for sharing.
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "core/clipboard/ClipFill.h"
#include "core/data/GroupTable.h"
#include "core/ports/EventLoop.h"
#include "core/settings/Directories.h"
#include "core/settings/Settings.h"
#include "core/share/ShareFile.h"
#include "core/util/Required.h"

namespace cvd {

class Messages;
class TrayView;
class Shell;
class FolderWatch;

inline constexpr int kShareTimerMs = 50;
inline constexpr int kSharePollMs = 1000;
// Lines a read pass takes before it lets the event loop run: a burst of
// thousands of lines must not freeze the window.
inline constexpr std::size_t kShareSliceLines = 1000;
inline constexpr const char* kShareAccessText = "Unable to access the shared clipboard folder:\n";

// What the read pass asks of the rest of the program.
struct ShareHooks {
  Required<bool()> editorShowing;  // the button editor is open
  Required<bool()> pasting;        // a paste is running
  Required<std::string(const std::string& text)> makeCaption;
  Required<void()> display;  // redraw the button window
  // A shared text filled a clip button (`fill`) or was shifted in as a new
  // clip (`fill` empty): the journal keeps it until the next save.
  Required<void(const TGroup& group, const std::string& text, std::optional<FillResult> fill)> filled;
  // A slice of a pass put its clips in, before they show: journal them with
  // one flush to the disk rather than one per line.
  Required<void()> passDone;
};

// A group of the setup dialog's share list.
struct ShareListItem {
  int group = 0;  // index in the group table
  std::string name;
  bool shared = false;
};

// The share list: every group in table order, ticked when it is shared.
std::vector<ShareListItem> UpdateShareList(const GroupTable& table);

// Lines already in the share file of `shareDir`: a start without "Load
// existing shared clips on startup" begins after them.
std::int32_t CountShareFileLines(const std::string& shareDir);

class ShareSync {
 public:
  // `settings` holds ShareLine and the [Share] options, `dirs` the share
  // folder; both are read when used, so changes apply at once. `shell` plays
  // sounds and `watch` reports folder changes. All of them must outlive this
  // object.
  ShareSync(GroupTable& table, Settings& settings, const Directories& dirs, EventLoop& loop, Messages& ui,
            TrayView& tray, Shell& shell, FolderWatch& watch, ShareHooks hooks);
  ~ShareSync();
  ShareSync(const ShareSync&) = delete;
  ShareSync& operator=(const ShareSync&) = delete;

  // The name written into own lines and skipped when reading.
  void SetComputerName(std::string name) { computerName_ = std::move(name); }
  const std::string& ComputerName() const { return computerName_; }

  // After the settings are loaded: watch the share folder and start the check
  // of the file when it is needed. Stop ends both and the pending pass.
  void Start();
  void Stop();
  // The share folder changed: watch the new one; its file is a new file.
  void ShareDirChanged();
  // "Monitor shared clipboard directory" may have changed.
  void OptionsChanged() { UpdateCheck(); }
  // The check of the file for writes its folder's notices may miss is on.
  bool Checking() const { return pollTimer_->IsActive(); }

  // A clip was captured in `group`: a shared group appends it to the file.
  void ShareClip(const TGroup& group, const std::string& text);

  // A change was reported in the share folder.
  void ShellChangeNotifierChange();
  // The read pass: it takes the new lines in slices of kShareSliceLines,
  // the rest on the event loop.
  void ShareTimerTimer();
  // Puts a shared text into group `g`'s clip buttons; false when the group
  // refuses duplicates and already holds it.
  bool FillButton(int g, const std::string& text, bool playSound);

  Timer& ShareTimer() { return *shareTimer_; }
  bool OwnShareWrite() const { return ownShareWrite_; }

 private:
  void PollTimerTimer();
  void Watch();
  void UpdateCheck();
  void TakeSlice();
  void EndPass();
  void ReportOnce(const std::string& reason);
  std::string SharePath() const { return ShareFilePath(dirs_.ShareDir); }

  GroupTable& table_;
  Settings& settings_;
  const Directories& dirs_;
  EventLoop& loop_;
  Messages& ui_;
  TrayView& tray_;
  Shell& shell_;
  FolderWatch& watch_;
  ShareHooks hooks_;
  std::string computerName_;
  bool ownShareWrite_ = false;
  bool started_ = false;
  bool notified_ = false;  // the folder's notices tell every write
  bool errorReported_ = false;
  // The file as the last completed read pass left it.
  std::unique_ptr<ShareFileMark> last_;
  std::unique_ptr<Timer> shareTimer_;
  std::unique_ptr<Timer> pollTimer_;
  // The pass whose lines are being taken, and whether a change came meanwhile.
  struct Pass {
    ShareFileLines read;
    std::size_t next = 0;
    bool first = true;
    bool redraw = false;
  };
  std::unique_ptr<Pass> pass_;
  bool passAgain_ = false;
  std::unique_ptr<Timer> sliceTimer_;
};

}  // namespace cvd
