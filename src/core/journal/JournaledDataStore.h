#pragma once
// The data file with its clip journal: loading replays what the journal holds
// beyond the data file, every save folds the journal into the data file, and
// every new clip is journalled until then.
//
// A clip the journal cannot take (a full disk, a journal that cannot be
// opened) stays in memory with the clips after it: the user is told once,
// and they are written, in order, with the next clip or the next retry,
// whichever comes first; a save of the data file takes them too.
#include <memory>
#include <string>
#include <vector>

#include "core/clipboard/ClipFill.h"
#include "core/data/EarlyDataRead.h"
#include "core/data/GroupTable.h"
#include "core/data/LateButtons.h"
#include "core/journal/ClipJournal.h"
#include "core/journal/JournalFiles.h"
#include "core/ports/EventLoop.h"
#include "core/settings/DataFileStore.h"
#include "core/util/PostGate.h"

namespace cvd {

class Messages;
class TrayView;

// How long an unwritable journal waits before the next attempt.
inline constexpr int kJournalRetryMs = 2000;

class JournaledDataStore : public DataFileStore {
 public:
  JournaledDataStore(GroupTable& table, std::string programDir, Messages& ui, TrayView& tray, EventLoop& loop,
                     JournalFiles& files = SystemJournalFiles());

  // Loads `dataDir` + "corvinade.dat", replays the journal entries it lacks,
  // saves them into it and starts the journal afresh. A journal that belongs
  // to another data file is set aside unread; one that cannot be read
  // (wholly or in part) is kept as "corvinade.jnl.damaged" and the user told.
  void LoadData(const std::string& dataDir, const LegacyDisplay& legacy) override;
  // A big data file reads this group first and the others on a thread of
  // their own; each group waits for its buttons at its first use, and once
  // they are all read the event loop runs TakeLateGroups.
  void ShowFirst(int listPosition) override { shownPosition_ = listPosition; }
  // The next load takes the file's bytes from `early` when they are still
  // the file's.
  void ReadEarly(std::shared_ptr<EarlyDataRead> early) { early_ = std::move(early); }
  // Every group takes its buttons over (waiting for them when they are still
  // being read) and the user is told of damage found in them.
  void TakeLateGroups();
  // Some groups' buttons are still being read.
  bool ReadingLate() const { return late_ != nullptr; }
  // A moment after the load (at start-up the window is up by then), the
  // groups not on screen are deciphered; a use of one starts it at once.
  void ReadLateGroupsSoon();
  // Marks the journal, replaces the data file atomically, then starts the
  // journal of `dataDir` afresh (a save into another folder moves it there).
  bool SaveData(const std::string& dataDir, std::string& error) override;

  // After a copied or shared text filled `group`, before the button shows it:
  // false when the clip is only in memory for now.
  bool RecordFill(const TGroup& group, const std::string& text, const FillResult& result);
  // After ShiftInNewClip or ShiftInNewClips put `count` clips into `group`.
  bool RecordShifted(const TGroup& group, int count);
  // The same without writing yet: many clips at once are journalled by one
  // Flush (one flush to the disk), which must come before they show.
  void QueueFill(const TGroup& group, const std::string& text, const FillResult& result);
  void QueueShifted(const TGroup& group, int count);
  bool Flush();

  // The journal in use; empty before the first load or save.
  const std::string& JournalPath() const { return journal_.Path(); }
  // Entries the last load replayed.
  int ReplayedAtLoad() const { return replayed_; }
  // Clips that are only in memory.
  std::size_t Unjournalled() const { return pending_.size(); }

 private:
  void KeepDamagedJournal(const std::string& path, const JournalReading& reading);
  // Replays what the journal of dataDir_ holds beyond the data file with
  // `mark` and opens it for new clips.
  void OpenJournal(const std::string& mark);
  // Opens the journal whose mark was still being taken (waiting for it);
  // runs before anything writes the journal or the data file.
  void SettleJournal();

  GroupTable& table_;
  std::string programDir_;
  Messages& ui_;
  TrayView& tray_;
  JournalFiles& files_;
  ClipJournal journal_;
  int replayed_ = 0;
  // The folder the journal belongs to and the mark of its data file on disk.
  std::string dataDir_;
  std::string diskMark_;
  std::vector<JournalEntry> pending_;  // not yet on the disk, oldest first
  bool outage_ = false;                // the user was told; cleared when writing works again
  std::unique_ptr<Timer> retryTimer_;
  std::unique_ptr<Timer> lateTimer_;  // starts the reading of the groups not on screen
  EventLoop& loop_;
  int shownPosition_ = -1;  // none: the whole file before LoadData returns
  std::shared_ptr<EarlyDataRead> early_;
  std::shared_ptr<LateButtons> late_;
  // A big data file's mark, taken on its reading thread while the window
  // comes up; `from` is null once the journal is open.
  struct LateMark {
    std::shared_ptr<LateButtons> from;
    std::shared_ptr<const std::string> mark;  // set before from->WaitUntilSeen() returns
    std::string fallback;                     // when no mark could be taken
  } lateMark_;
  // Guards what the reading thread posts against a store already gone: the
  // thread's object may outlive the store (the buttons hold it) and the loop.
  std::shared_ptr<bool> alive_ = std::make_shared<bool>(true);
  PostGate readerPosts_{loop_};
};

// Before a restore overwrites the data file in `dataDir`: the journal of the
// data being replaced must never be replayed onto the restored data.
void DiscardClipJournal(const std::string& dataDir);

}  // namespace cvd
