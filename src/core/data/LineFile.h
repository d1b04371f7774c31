#pragma once
// Pieces shared by the data file and group files: CR LF lines, plain and
// enciphered values, packed button texts, flags and whole numbers.
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "core/data/ParallelDecipher.h"

namespace cvd {

// Reads lines one by one. A line ends at LF, and a CR before it is dropped,
// so files with bare LF endings read as well. Past the end every line is
// empty, as the tolerant readers expect.
class LineReader {
 public:
  // `mayDefer` false: every value is deciphered as it is read, whatever the size.
  explicit LineReader(std::string_view bytes, bool mayDefer = true)
      : bytes_(bytes), deferred_(mayDefer && bytes.size() >= DeferredDecipher::kMinBytes) {}
  bool AtEnd() const { return pos_ >= bytes_.size(); }
  std::string_view Next();
  // Moves past `lines` lines as that many Next() calls would, without
  // looking at each: a big file's lines are only counted where the reader
  // needs just where they end.
  void Skip(std::size_t lines);
  std::string NextDeciphered();
  // A flag line: true only for "TRUE"; anything but "TRUE" or "FALSE" counts
  // as damage.
  bool NextFlag();
  // A line that is not what a writer makes: the reader took a default for it.
  void NoteDamage() { ++damaged_; }
  // Lines that were not what a writer makes (enciphered values that do not
  // decipher cleanly, flags that are neither word, ...), once every value
  // is deciphered.
  std::size_t Damaged() const { return damaged_; }
  // The next 3 x `count` lines as the name, hint and packed text of `count`
  // buttons of `list` from `first` on: deciphered at once in a small file;
  // in a big one only when FinishDeciphering runs, so the list must stay
  // where it is until then.
  void NextButtons(ButtonList& list, std::size_t first, std::size_t count);
  // Deciphers every button NextButtons left for later.
  // (threads 0: one per core, at most 8).
  void FinishDeciphering(unsigned threads = 0) { damaged_ += pending_.Run(threads); }
  // The buttons NextButtons left for later, but those of `keep`.
  DeferredDecipher SplitOffDeferred(const ButtonList* keep) { return pending_.SplitOff(keep); }
  // The next run NextButtons left for later that is `list`'s and has no
  // colour lines yet (see ReadButtonColours), or null.
  ButtonRun* NextDeferredRun(const ButtonList& list) { return pending_.NextRunWithoutColours(list); }
  // Where the next line starts, and the bytes from `start` up to there.
  std::size_t Position() const { return pos_; }
  std::string_view Lines(std::size_t start) const { return bytes_.substr(start, pos_ - start); }
  // Number of the line read last (1-based; counts reads past the end too).
  std::size_t LineNumber() const { return lineNumber_; }
  // Lines not yet read (a partial last line counts as one), counted up to
  // `limit` only: a big file need not be scanned to its end.
  std::size_t RemainingLines(std::size_t limit = SIZE_MAX) const;

 private:
  std::string_view bytes_;
  std::size_t pos_ = 0;
  std::size_t lineNumber_ = 0;
  std::size_t damaged_ = 0;
  bool deferred_;
  DeferredDecipher pending_;
};

// The next 3 x `count` lines of `in` as the name, hint and packed text of
// `count` buttons, deciphered now.
ButtonList ReadButtons(LineReader& in, std::size_t count);

// Builds a file: every line ends with CR LF.
class LineWriter {
 public:
  void Plain(std::string_view line);
  void Enciphered(std::string_view value);
  void Number(std::int32_t value) { Plain(std::to_string(value)); }
  void Flag(bool value) { Plain(value ? "TRUE" : "FALSE"); }
  void Reserve(std::size_t bytes) { bytes_.reserve(bytes); }
  const std::string& Bytes() const { return bytes_; }
  std::string& Bytes() { return bytes_; }

 private:
  std::string bytes_;
};

// A button text for storage: CR LF becomes 0xFF and TAB 0xFE. A CR that is
// not followed by LF is stored as itself, so it comes back unchanged and
// never takes the next character with it.
std::string PackText(std::string_view text);
// 0xFF becomes CR LF and 0xFE TAB; every other byte stays.
std::string UnpackText(std::string_view packed);
// The same, reusing the text's own storage when it holds no CR LF mark.
std::string UnpackText(std::string&& packed);

// A whole decimal number in the 32-bit range: optional sign, digits, nothing
// else.
std::optional<std::int32_t> ParseWholeNumber(std::string_view text);

// A flag line is true only when it is exactly "TRUE".
inline bool FlagFromLine(std::string_view line) { return line == "TRUE"; }

// The duplicate policy as a word: 1 "TRUE", 2 "NEW", 3 "MARK", else "FALSE".
const char* CopyDupsWord(std::int32_t copyDups);
// "FALSE" 0, "NEW" 2, "MARK" 3, any other word 1.
std::int32_t CopyDupsFromWord(std::string_view word);
// The same from the next line of `in`; a word none of the four counts as damage.
std::int32_t NextCopyDups(LineReader& in);

// Counts beyond this are treated as damage, so a hostile file cannot make
// the reader allocate without bound (the editor allows up to 1000 clip buttons).
inline constexpr std::int32_t kMaxButtonsOfAKind = 100000;

// Thrown by the readers below for a number line that cannot be read; the
// file readers catch it and report the file as damaged.
struct UnreadableLine {};

// Sets `field` to the next line's number; a line that is not one keeps the
// field and counts as damage (the forgiving blocks).
void SetIfNumber(std::int32_t& field, LineReader& in);

// A whole number, or UnreadableLine.
std::int32_t NumberOrThrow(std::string_view line);
// A button count between 0 and kMaxButtonsOfAKind, or UnreadableLine.
std::int32_t ButtonCountOrThrow(std::string_view line);

}  // namespace cvd
