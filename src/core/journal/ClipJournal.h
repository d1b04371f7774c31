#pragma once
// The clip journal "corvinade.jnl" beside the data file: every clip that
// becomes a button is appended here and flushed to the disk before the
// button shows it, so a crash or a power cut between two saves of the data
// file loses nothing.
//
// Lines end with CR LF; each is written with one write(2) and fdatasync:
//   F <group> <caption> <text> <check>   a clip filled by the duplicate policy
//   S <group> <caption> <text> <check>   a clip shifted in as it is (split texts)
//   M <data mark> <check>                the data file with this mark holds
//                                        everything above this line
// Group, caption and text are enciphered like the data file's values; the
// check is a hash of the line before it, so a damaged or half-written line
// is recognised and skipped.
//
// Replaying at most once: the data mark is the SHA-256 of the data file's
// bytes ("none" when there is no data file). A fresh journal starts with the
// mark of the data file it extends; before every save the mark of the bytes
// about to be written is appended, and after the save the journal starts
// afresh. A start replays only the entries after the last mark equal to the
// data file found on disk: a crash between the save and the fresh start finds
// the new data file's mark at the end and replays nothing, a crash before the
// save finds the old mark and replays everything. A journal without a
// matching mark belongs to another data file (a restored one, one written by
// an older build) and is set aside unread as "corvinade.jnl.unused". A
// damaged first line with no other mark in the file is taken for the mark of
// the data file found: losing the mark must not lose the clips.
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "core/journal/JournalFiles.h"

namespace cvd {

inline constexpr const char* kJournalFileName = "corvinade.jnl";
inline constexpr const char* kUnusedJournalSuffix = ".unused";
inline constexpr const char* kNoDataFileMark = "none";
inline constexpr const char* kUnreadableDataFileMark = "unreadable";

enum class JournalKind { Fill, Shift };

struct JournalEntry {
  JournalKind kind = JournalKind::Fill;
  std::string group;
  std::string caption;  // the caption the button showed
  std::string text;

  bool operator==(const JournalEntry&) const = default;
};

// The mark of a data file's bytes.
std::string DataBytesMark(std::string_view bytes);
// The mark of the data file at `path`: kNoDataFileMark when it does not
// exist, "unreadable" when it cannot be read.
std::string DataFileMark(const std::string& path);

// One journal line with its CR LF.
std::string JournalEntryLine(const JournalEntry& entry);
std::string JournalMarkLine(const std::string& dataMark);

struct JournalReading {
  bool exists = false;
  // A mark equal to the data file's was found; `entries` are those after the
  // last such mark, in file order.
  bool matched = false;
  std::vector<JournalEntry> entries;
  std::size_t entriesSeen = 0;   // all readable entries, before or after marks
  std::size_t damagedLines = 0;  // skipped
  // Damaged lines that may hold clips the data file lacks: those after the
  // matching mark, save a last line a crash cut short.
  std::size_t unreadLines = 0;
  // The first line is damaged, so the data file it names is unknown: with no
  // other mark, the entries count as extending the data file found.
  bool markDamaged = false;
  // Why the file could not be opened or read to its end.
  std::string error;
  // The file is exactly one line: a matching mark. It can be appended to as
  // it is; any other file is started afresh after the replay.
  bool fresh = false;
  bool endsWithLineBreak = true;
};

// Reads the journal at `path` against the data file's mark. Never throws;
// the file is read in pieces, and only the entries to replay are kept.
JournalReading ReadJournal(const std::string& path, const std::string& dataMark,
                           JournalFiles& files = SystemJournalFiles());

// Renames the journal at `path` to `path` + ".unused" (replacing an older
// one), so that it is never replayed; nothing happens when there is none.
void SetJournalAside(const std::string& path);

class ClipJournal {
 public:
  explicit ClipJournal(JournalFiles& files = SystemJournalFiles()) : files_(files) {}
  ~ClipJournal() { Close(); }
  ClipJournal(const ClipJournal&) = delete;
  ClipJournal& operator=(const ClipJournal&) = delete;

  // Replaces the file at `path` atomically by a journal that extends the
  // data file with `dataMark`, and keeps it open for appending. When the new
  // file cannot be opened, no journal is open.
  bool Reset(const std::string& path, const std::string& dataMark, std::string* error = nullptr);
  // Keeps appending to the journal at `path` as it is. A file that ends in
  // the middle of a line gets its line ended first, so the next entry
  // stays readable.
  bool Reopen(const std::string& path, bool endsWithLineBreak, std::string* error = nullptr);
  void Close();
  bool IsOpen() const { return fd_ >= 0; }
  const std::string& Path() const { return path_; }

  // Appends the entries with one write and flushes them to the disk; false
  // with `error` when the journal is not open or the disk refused, and then
  // the file is as it was before.
  bool Append(const std::vector<JournalEntry>& entries, std::string* error = nullptr);
  bool Append(const JournalEntry& entry) { return Append(std::vector<JournalEntry>{entry}); }
  // Appends the mark of the data file about to be saved.
  bool Mark(const std::string& dataMark, std::string* error = nullptr);

 private:
  bool WriteDurably(std::string bytes, std::string* error);

  JournalFiles& files_;
  int fd_ = -1;
  std::string path_;
  bool lineOpen_ = false;  // the file ends in the middle of a line
};

}  // namespace cvd
