#pragma once
// The data file with its clip journal: loading replays what the journal holds
// beyond the data file, every save folds the journal into the data file, and
// every new clip is journalled until then.
#include <string>

#include "core/clipboard/ClipFill.h"
#include "core/data/GroupTable.h"
#include "core/journal/ClipJournal.h"
#include "core/settings/DataFileStore.h"

namespace cvd {

class Messages;

class JournaledDataStore : public DataFileStore {
 public:
  JournaledDataStore(GroupTable& table, std::string programDir, Messages& ui)
      : table_(table), programDir_(std::move(programDir)), ui_(ui) {}

  // Loads `dataDir` + "corvinade.dat", replays the journal entries it lacks,
  // saves them into it and starts the journal afresh. A journal that belongs
  // to another data file is set aside unread.
  void LoadData(const std::string& dataDir, const LegacyDisplay& legacy) override;
  // Marks the journal, replaces the data file atomically, then starts the
  // journal of `dataDir` afresh (a save into another folder moves it there).
  bool SaveData(const std::string& dataDir, std::string& error) override;

  // After a copied or shared text filled `group`, before the button shows it.
  bool RecordFill(const TGroup& group, const std::string& text, const FillResult& result);
  // After ShiftInNewClip or ShiftInNewClips put `count` clips into `group`.
  bool RecordShifted(const TGroup& group, int count);

  // The journal in use; empty before the first load or save.
  const std::string& JournalPath() const { return journal_.Path(); }
  // Entries the last load replayed.
  int ReplayedAtLoad() const { return replayed_; }

 private:
  GroupTable& table_;
  std::string programDir_;
  Messages& ui_;
  ClipJournal journal_;
  int replayed_ = 0;
};

// Before a restore overwrites the data file in `dataDir`: the journal of the
// data being replaced must never be replayed onto the restored data.
void DiscardClipJournal(const std::string& dataDir);

}  // namespace cvd
