#pragma once
// The shared clipboard file in the share folder: every computer that shares
// the folder appends one line per clip (computer, group and text, each
// enciphered, joined by commas, closed by CR LF), and every computer reads
// the lines the others added.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/util/FileStamp.h"

namespace cvd {

inline constexpr const char* kShareFileName = "Corvinade.cdf";
// An append to a file larger than this starts the file afresh.
inline constexpr std::int64_t kShareFileLimit = 50000;

// The share file in `shareDir` (a folder ending with "/").
std::string ShareFilePath(const std::string& shareDir);

// One line of the file, with its CR LF.
std::string MakeShareLine(const std::string& computer, const std::string& group, const std::string& text);

struct ShareEntry {
  std::string computer;
  std::string group;
  std::string text;
};

// The deciphered fields of a line (without its line break); nothing (and a
// log warning) for a line with fewer than three fields or a field that does
// not decipher cleanly.
std::optional<ShareEntry> ParseShareLine(std::string_view line);

// Appends `line` (one whole line with its line break) with a single write on
// the file opened for appending, so that lines of writers on several
// computers never interleave; writers on this computer also hold an advisory
// lock. A file larger than `limit` is replaced by one holding only
// `line` (CheckShareFileSize). False with a reason in `error` on failure.
bool AppendShareLine(const std::string& path, const std::string& line, std::string* error,
                     std::int64_t limit = kShareFileLimit);

// The file's stamp; a missing file gives a stamp that does not exist. False
// with `error` when the folder or the file cannot be examined.
bool StatShareFile(const std::string& path, FileStamp& stamp, std::string* error);

// Where the last read stopped: the file it read, its first bytes (a file that
// was cut and written again starts differently), the size seen, and the byte
// offset and number of the first line not yet read.
struct ShareFileMark {
  FileStamp stamp;
  std::string head;
  std::int64_t size = 0;
  std::int64_t offset = 0;
  std::int32_t line = 0;
};

enum class ShareReadStatus { Ok, Missing, Failed };

struct ShareFileLines {
  ShareReadStatus status = ShareReadStatus::Missing;
  std::string error;
  // Whole lines from the first one read on, without their line breaks. A
  // last line without its line break is still being written: it is neither
  // returned nor counted.
  std::vector<std::string> lines;
  std::int32_t first = 0;  // number of lines[0] in the file
  bool restarted = false;  // the file shrank or was replaced: read from its start
  bool more = false;       // stopped early to bound memory; the rest waits
  ShareFileMark mark;      // where the next read goes on
};

// Reads the whole lines from line `from` on. With `last` (the mark of the
// previous read) a file that is smaller than then, or another file, is read
// from its start, and an unchanged one is read on from the mark's offset. A
// file with fewer lines than `from` is read from its start too.
ShareFileLines ReadShareFile(const std::string& path, std::int32_t from, const ShareFileMark* last);

// Whole lines in the file; 0 when it is missing or unreadable.
std::int32_t GetShareFileLines(const std::string& path);

}  // namespace cvd
