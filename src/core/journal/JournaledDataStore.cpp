#include "core/journal/JournaledDataStore.h"

#include "core/data/AtomicFile.h"
#include "core/data/DataFile.h"
#include "core/journal/JournalReplay.h"

namespace cvd {

void JournaledDataStore::LoadData(const std::string& dataDir, const LegacyDisplay& legacy) {
  journal_.Close();
  replayed_ = 0;
  // The mark comes from the bytes the load read: the file is read once.
  std::string mark;
  const DataLoadResult loaded = cvd::LoadData(table_, dataDir, programDir_, legacy, ui_,
                                              [&mark](std::string_view bytes) { mark = DataBytesMark(bytes); });
  if (mark.empty()) mark = loaded.status == DataLoadStatus::NoFile ? kNoDataFileMark : kUnreadableDataFileMark;
  const std::string path = dataDir + kJournalFileName;
  const JournalReading reading = ReadJournal(path, mark);
  if (reading.fresh) {
    journal_.Reopen(path, true);
    return;
  }
  if (!reading.matched) {
    if (reading.entriesSeen > 0) SetJournalAside(path);
    journal_.Reset(path, mark);
    return;
  }
  replayed_ = ReplayJournal(table_, reading.entries);
  // Open first, so the save marks the journal: a crash before the journal
  // starts afresh then finds the saved file's mark and replays nothing.
  journal_.Reopen(path, reading.endsWithLineBreak);
  std::string error;
  SaveData(dataDir, error);  // on failure the journal still covers the replay
}

bool JournaledDataStore::SaveData(const std::string& dataDir, std::string& error) {
  const std::string path = dataDir + kJournalFileName;
  const std::string bytes = WriteDataFile(table_);
  const std::string mark = DataBytesMark(bytes);
  const bool sameJournal = journal_.IsOpen() && journal_.Path() == path;
  if (sameJournal) journal_.Mark(mark);
  if (!WriteFileAtomically(dataDir + kDataFileName, bytes, &error)) return false;
  // The journal of another folder stays with the data file it extends.
  if (!journal_.Reset(path, mark) && !sameJournal) journal_.Close();
  return true;
}

bool JournaledDataStore::RecordFill(const TGroup& group, const std::string& text, const FillResult& result) {
  return journal_.Append(FillEntries(group, text, result));
}

bool JournaledDataStore::RecordShifted(const TGroup& group, int count) {
  return journal_.Append(ShiftedEntries(group, count));
}

void DiscardClipJournal(const std::string& dataDir) { SetJournalAside(dataDir + kJournalFileName); }

}  // namespace cvd
