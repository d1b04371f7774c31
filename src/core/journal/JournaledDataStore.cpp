#include "core/journal/JournaledDataStore.h"

#include "core/data/AtomicFile.h"
#include "core/data/DataFile.h"
#include "core/journal/JournalReplay.h"
#include "core/log/Log.h"
#include "core/ports/Messages.h"
#include "core/ports/TrayView.h"
#include "core/settings/Settings.h"
#include "core/util/KeepAside.h"

namespace cvd {
namespace {

constexpr int kNoticeSeconds = 20;
// The other groups of a big file are deciphered this long after the load:
// begun as soon as the loop ran, they took one of two cores while the X
// server and the window manager were still putting the window on screen.
constexpr int kLateReadDelayMs = 300;

// A journal without entries or damage gives the same table whichever data
// file it belongs to: only the mark it is opened with depends on that.
bool NothingToReplay(const JournalReading& reading) {
  return reading.error.empty() && reading.entriesSeen == 0 && reading.damagedLines == 0;
}

std::string OutageText(const std::string& reason) {
  return "New clips cannot be written to the clip journal (" + reason +
         ").\n\nThey are kept in memory and journalled as soon as the disk takes them again; "
         "until then a crash would lose them.";
}

std::string DamagedJournalText(const std::string& path, const std::string& reason, const std::string& copy,
                               const std::string& copyError) {
  std::string text = "The Corvinade clip journal could not be read in full:\n" + path + "\n" + reason + "\n\n";
  if (!copy.empty()) {
    text += "It was kept as:\n" + copy + "\n\n";
  } else {
    text += "No copy of it could be kept (" + copyError + ").\n\n";
  }
  return text + "The clips that could be read are back in their groups.";
}

}  // namespace

JournaledDataStore::JournaledDataStore(GroupTable& table, std::string programDir, Messages& ui, TrayView& tray,
                                       EventLoop& loop, JournalFiles& files)
    : table_(table),
      programDir_(std::move(programDir)),
      ui_(ui),
      tray_(tray),
      files_(files),
      journal_(files),
      loop_(loop) {
  retryTimer_ = loop.CreateTimer(kJournalRetryMs, true, [this] { Flush(); });
}

void JournaledDataStore::LoadData(const std::string& dataDir, const LegacyDisplay& legacy) {
  journal_.Close();
  replayed_ = 0;
  pending_.clear();
  late_.reset();
  lateMark_ = {};
  ReadAhead ahead;
  ahead.early = std::move(early_);
  if (shownPosition_ >= 0) {
    ahead.shown = [position = shownPosition_](const GroupTable& table) {
      const int count = static_cast<int>(table.GroupList.size());
      return count > 0 ? table.FindGroup(table.GroupList[StartListPosition(position, count)]) : -1;
    };
    ahead.ready = [post = readerPosts_.Post(), alive = std::weak_ptr<bool>(alive_), this] {
      post([alive, this] {
        if (alive.lock()) TakeLateGroups();
      });
    };
  }
  // The mark comes from the bytes the load read: the file is read once. For
  // a big file it is taken on the reading thread, which then has the journal
  // opened (see SettleJournal).
  auto mark = std::make_shared<std::string>();
  auto seen = [mark, post = readerPosts_.Post(), alive = std::weak_ptr<bool>(alive_), this](std::string_view bytes) {
    *mark = DataBytesMark(bytes);
    post([alive, this] {
      if (alive.lock()) SettleJournal();
    });
  };
  const DataLoadResult loaded = cvd::LoadData(table_, dataDir, programDir_, legacy, ui_, seen, ahead);
  late_ = loaded.late;
  // At start-up the window is laid out and shown before the loop runs this.
  ReadLateGroupsSoon();
  dataDir_ = dataDir;
  const std::string fallback = loaded.status == DataLoadStatus::NoFile ? kNoDataFileMark : kUnreadableDataFileMark;
  if (late_ && NothingToReplay(ReadJournal(dataDir + kJournalFileName, std::string(), files_))) {
    // The journal adds nothing to the table whatever the mark: the window
    // need not wait for the hash of the whole file.
    lateMark_ = {late_, mark, fallback};
    return;
  }
  if (late_) late_->WaitUntilSeen();
  OpenJournal(mark->empty() ? fallback : *mark);
}

void JournaledDataStore::SettleJournal() {
  if (!lateMark_.from) return;
  const LateMark late = std::move(lateMark_);
  lateMark_ = {};
  late.from->WaitUntilSeen();
  OpenJournal(late.mark->empty() ? late.fallback : *late.mark);
}

void JournaledDataStore::OpenJournal(const std::string& mark) {
  diskMark_ = mark;
  const std::string path = dataDir_ + kJournalFileName;
  const JournalReading reading = ReadJournal(path, mark, files_);
  const bool damaged = !reading.error.empty() || reading.unreadLines > 0;
  if (damaged) KeepDamagedJournal(path, reading);
  if (reading.markDamaged)
    LogWarning("journal", "the first line of " + path + " is damaged; its clips count all the same");
  if (reading.fresh && !damaged) {
    journal_.Reopen(path, true);
  } else if (!reading.matched) {
    if (reading.entriesSeen > 0 && !damaged) SetJournalAside(path);
    journal_.Reset(path, mark);
  } else {
    replayed_ = ReplayJournal(table_, reading.entries);
    // Open first, so the save marks the journal: a crash before the journal
    // starts afresh then finds the saved file's mark and replays nothing. A
    // damaged one is left as it is: its copy shares the file.
    if (!damaged) journal_.Reopen(path, reading.endsWithLineBreak);
    std::string error;
    // On failure the journal on disk still covers the replay; one that could
    // not be opened is about to be started afresh, so it gets them again.
    if (!SaveData(dataDir_, error) && !journal_.IsOpen()) pending_ = reading.entries;
  }
  Flush();
}

void JournaledDataStore::ReadLateGroupsSoon() {
  if (!late_) return;
  lateTimer_ = loop_.CreateTimer(kLateReadDelayMs, true, [late = std::weak_ptr<LateButtons>(late_)] {
    if (const std::shared_ptr<LateButtons> reading = late.lock()) reading->Begin();
  });
  lateTimer_->Start();
}

void JournaledDataStore::TakeLateGroups() {
  if (!late_) return;
  const std::shared_ptr<LateButtons> late = std::move(late_);
  late->Wait();
  for (TGroup& group : table_.Groups) group.Buttons.WaitForStrings();
  if (!late->Message().empty()) ui_.CursorMessageDlg(late->Message(), MsgKind::Error, MsgButtons::Ok);
}

void JournaledDataStore::KeepDamagedJournal(const std::string& path, const JournalReading& reading) {
  std::string copyError;
  std::string copy = KeepDamagedCopy(path, nullptr, copyError);
  if (copy.empty()) {
    // A file system without links: a copy of what can be read.
    std::string bytes;
    if (ReadWholeFile(path, bytes, &copyError)) {
      const std::string_view view(bytes);
      copy = KeepDamagedCopy(path, &view, copyError);
    }
  }
  const std::string reason =
      reading.error.empty() ? std::to_string(reading.unreadLines) + " of its lines are damaged" : reading.error;
  LogWarning("journal", path + ": " + reason + (copy.empty() ? "; no copy kept: " + copyError : "; kept as " + copy));
  ui_.CursorMessageDlg(DamagedJournalText(path, reason, copy, copyError), MsgKind::Error, MsgButtons::Ok);
}

bool JournaledDataStore::SaveData(const std::string& dataDir, std::string& error) {
  SettleJournal();
  const std::string path = dataDir + kJournalFileName;
  const std::string bytes = WriteDataFile(table_);
  const std::string mark = DataBytesMark(bytes);
  const bool sameJournal = journal_.IsOpen() && journal_.Path() == path;
  const bool marked = sameJournal && journal_.Mark(mark);
  if (!WriteFileAtomically(dataDir + kDataFileName, bytes, &error)) return false;
  dataDir_ = dataDir;
  diskMark_ = mark;
  pending_.clear();  // the data file holds them now
  // A journal whose last mark is not the saved file's no longer extends it
  // (nor does the journal of another folder).
  if (!journal_.Reset(path, mark) && !marked) journal_.Close();
  Flush();
  return true;
}

void JournaledDataStore::QueueFill(const TGroup& group, const std::string& text, const FillResult& result) {
  const std::vector<JournalEntry> entries = FillEntries(group, text, result);
  pending_.insert(pending_.end(), entries.begin(), entries.end());
}

void JournaledDataStore::QueueShifted(const TGroup& group, int count) {
  const std::vector<JournalEntry> entries = ShiftedEntries(group, count);
  pending_.insert(pending_.end(), entries.begin(), entries.end());
}

bool JournaledDataStore::RecordFill(const TGroup& group, const std::string& text, const FillResult& result) {
  QueueFill(group, text, result);
  return Flush();
}

bool JournaledDataStore::RecordShifted(const TGroup& group, int count) {
  QueueShifted(group, count);
  return Flush();
}

bool JournaledDataStore::Flush() {
  SettleJournal();
  if (dataDir_.empty()) return false;  // nothing loaded yet: nothing to extend
  const std::string path = dataDir_ + kJournalFileName;
  std::string error;
  // A journal that is not open is started afresh: the data file on disk and
  // the clips in memory are then all there is.
  bool written = journal_.IsOpen() || journal_.Reset(path, diskMark_, &error);
  if (written && !pending_.empty()) written = journal_.Append(pending_, &error);
  if (written) {
    pending_.clear();
    retryTimer_->Stop();
    if (outage_) LogInfo("journal", "new clips are journalled again in " + path);
    outage_ = false;
    return true;
  }
  retryTimer_->Start();
  // Told once per outage: a message per clip would bury the user.
  if (!outage_) {
    outage_ = true;
    LogWarning("journal", "cannot journal new clips: " + error + "; they are kept in memory and retried");
    tray_.Balloon("Corvinade", OutageText(error), kNoticeSeconds);
  }
  return false;
}

void DiscardClipJournal(const std::string& dataDir) { SetJournalAside(dataDir + kJournalFileName); }

}  // namespace cvd
