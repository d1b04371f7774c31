#pragma once
// The data file "corvinade.dat": every group and button, one value a line,
// strings enciphered. The layout grew by appending blocks, so a reader takes
// files that stop after any complete block and fills in the rest.
#include <cstddef>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "core/data/GroupTable.h"
#include "core/data/LegacyDisplay.h"

namespace cvd {

class EarlyDataRead;
class LateButtons;

inline constexpr const char* kDataFileName = "corvinade.dat";
inline constexpr const char* kDataFileHeader = "Corvinade Data File";
inline constexpr const char* kGroupSeparator = "--Group separator--";
inline constexpr const char* kDataLoadErrorText =
    "An error occurred while loading the Corvinade data file.\n\n"
    "Please use the Restore option in Corvinade Settings to reload from backup.";

// The whole file for `table`: groups in GroupList order, each looked up by
// name. `Used` is not stored.
std::string WriteDataFile(const GroupTable& table);

// Writes DataDir + "corvinade.dat", replacing it atomically. False (with the
// reason in `error`) when it could not be written; the old file then stays.
bool SaveData(const GroupTable& table, const std::string& dataDir, std::string* error);

enum class DataFileStatus {
  Ok,
  WrongHeader,  // not a data file (or its first line is damaged)
  Unreadable,   // a count or number in the first blocks is not a whole number
};

struct DataFileContents {
  DataFileStatus status = DataFileStatus::Ok;
  // When Ok: the groups in file order, GroupList in the same order; every
  // `Used` false.
  GroupTable table;
  // Groups whose block reached the end of the file without its separator.
  int missingSeparators = 0;
  // Lines that were not what the writer makes (a value that does not
  // decipher cleanly, a flag or word that is none of its kind, a damaged
  // separator, a colour that is not a number): the reader used a default
  // or what could be read of the line.
  std::size_t damagedLines = 0;
  // When Unreadable: the line that could not be read (1-based).
  std::size_t errorLine = 0;
  // The file has no display settings of its own: every group took the
  // reader's `legacy` ones.
  bool usedLegacy = false;
};

// Reads a data file from its bytes; never throws. `legacy` gives every group
// its display settings when the file has none.
DataFileContents ReadDataFile(std::string_view bytes, const LegacyDisplay& legacy);

// The layout of a big file (groups, their settings and where each one's
// buttons are) read ahead of its load; the buttons stay enciphered. The
// load uses it when it read the same bytes and the file did not need the
// settings' `legacy` display values.
struct LayoutAhead;
std::shared_ptr<LayoutAhead> ReadLayoutAhead(std::string_view bytes);

enum class DataLoadStatus {
  Loaded,   // the file was read; when parts were damaged it was kept aside too
  NoFile,   // no data file yet: the default table
  Damaged,  // the file could not be read: the default table, the user told
};

struct DataLoadResult {
  DataLoadStatus status = DataLoadStatus::NoFile;
  // The reading failed part way: the setup dialog's quick fix list and paste
  // method list are to be cleared, as the group list was.
  bool clearSettingsLists = false;
  // Where the damaged file was kept ("corvinade.dat.damaged", numbered when
  // that exists); empty when no copy could be made.
  std::string damagedCopy;
  // What the user is to be told, each text in an error message of its own.
  std::vector<std::string> messages;
  // The groups whose buttons are still being read (see ReadAhead), or null.
  // Its Message(), once it is done, is one more text for the user.
  std::shared_ptr<LateButtons> late;
};

// A big file read with the group on screen first: the buttons of group
// `shown(table)` (an index into the table read) are deciphered before
// LoadDataFile returns, the other groups' on a thread of their own, each
// group waiting for them at its first use (ButtonList::AwaitStrings).
// `ready` runs on that thread once they are all read.
// `early`, when set, may hold the file's bytes and layout already (see
// EarlyDataRead).
struct ReadAhead {
  std::function<int(const GroupTable& table)> shown;
  std::function<void()> ready;
  std::shared_ptr<EarlyDataRead> early;
};

// Reads DataDir + "corvinade.dat" into `table` at start-up and after a
// restore. A missing file gives the default table. A file that cannot be
// read gives the default table too, but is first kept beside itself under a
// name no save overwrites, and the result's message says where it is;
// otherwise the next save would destroy the only copy of the user's buttons.
// A file read only in part (damaged lines, a missing separator) is kept the
// same way, with one message.
// `seen`, when given, gets the file's bytes once they are read, so that a
// caller who needs them (the journal's mark) does not read the file again;
// for a big file it runs on a thread of its own while the file is read.
// It has run when LoadDataFile returns, unless the result's `late` is set:
// then `late->WaitUntilSeen()` waits for it.
using DataBytesSeen = std::function<void(std::string_view bytes)>;
DataLoadResult LoadDataFile(GroupTable& table, const std::string& dataDir, const std::string& programDir,
                            const LegacyDisplay& legacy, const DataBytesSeen& seen = {}, const ReadAhead& ahead = {});

}  // namespace cvd
