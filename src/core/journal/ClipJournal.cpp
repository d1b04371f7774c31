#include "core/journal/ClipJournal.h"

#include <fcntl.h>
#include <openssl/evp.h>
#include <unistd.h>

#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <memory>
#include <optional>
#include <string_view>

#include "core/data/AtomicFile.h"
#include "core/data/Cipher.h"
#include "core/util/CryptoLibrary.h"

namespace cvd {
namespace {

constexpr std::size_t kReadPiece = std::size_t{1} << 20;
// A longer line is damage: no clip that size was ever journalled, and
// skipping it bounds what a broken file makes the reader hold.
constexpr std::size_t kMaxLineBytes = std::size_t{512} << 20;

std::string Hex(const unsigned char* bytes, std::size_t size) {
  static constexpr char kDigits[] = "0123456789abcdef";
  std::string out;
  out.reserve(size * 2);
  for (std::size_t i = 0; i < size; ++i) {
    out.push_back(kDigits[bytes[i] >> 4]);
    out.push_back(kDigits[bytes[i] & 0xF]);
  }
  return out;
}

// FNV-1a: cheap, and any damage of a line changes it.
std::string CheckOf(std::string_view body) {
  std::uint32_t hash = 2166136261u;
  for (const char c : body) {
    hash ^= static_cast<unsigned char>(c);
    hash *= 16777619u;
  }
  const unsigned char bytes[4] = {static_cast<unsigned char>(hash >> 24), static_cast<unsigned char>(hash >> 16),
                                  static_cast<unsigned char>(hash >> 8), static_cast<unsigned char>(hash)};
  return Hex(bytes, 4);
}

std::string WithCheck(std::string body) {
  const std::string check = CheckOf(body);
  body += ' ';
  body += check;
  body += "\r\n";
  return body;
}

std::vector<std::string_view> Fields(std::string_view body) {
  std::vector<std::string_view> fields;
  for (;;) {
    const std::size_t space = body.find(' ');
    fields.push_back(body.substr(0, space));
    if (space == std::string_view::npos) return fields;
    body.remove_prefix(space + 1);
  }
}

struct ParsedLine {
  bool isMark = false;
  std::string mark;
  JournalEntry entry;
};

std::optional<ParsedLine> ParseLine(std::string_view line) {
  if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
  const std::size_t space = line.rfind(' ');
  if (space == std::string_view::npos) return std::nullopt;
  const std::string_view body = line.substr(0, space);
  if (line.substr(space + 1) != CheckOf(body)) return std::nullopt;
  const std::vector<std::string_view> fields = Fields(body);
  ParsedLine parsed;
  if (fields[0] == "M" && fields.size() == 2) {
    parsed.isMark = true;
    parsed.mark = fields[1];
    return parsed;
  }
  if ((fields[0] != "F" && fields[0] != "S") || fields.size() != 4) return std::nullopt;
  parsed.entry.kind = fields[0] == "F" ? JournalKind::Fill : JournalKind::Shift;
  parsed.entry.group = Decrypt(fields[1]);
  parsed.entry.caption = Decrypt(fields[2]);
  parsed.entry.text = Decrypt(fields[3]);
  return parsed;
}

// The longest mark line: "M", a SHA-256 in hex and the check.
constexpr std::size_t kMaxMarkLineBytes = 2 + 64 + 1 + 8 + 1;

class JournalParser {
 public:
  JournalParser(JournalReading& out, const std::string& dataMark) : out_(out), dataMark_(dataMark) {}

  // `cutShort`: the last line, without its line break (a crash mid-write).
  void Line(std::string_view line, bool cutShort = false) {
    ++lines_;
    std::optional<ParsedLine> parsed = ParseLine(line);
    if (!parsed) {
      ++out_.damagedLines;
      // The first line is the journal's mark: the clip lines after it carry
      // their own check and still count. One longer than a mark took a clip
      // line with it.
      if (lines_ == 1) {
        out_.markDamaged = true;
        if (line.size() <= kMaxMarkLineBytes) return;
      }
      if (!cutShort) ++out_.unreadLines;
      return;
    }
    if (parsed->isMark) {
      markSeen_ = true;
      if (parsed->mark != dataMark_) {
        if (!out_.matched) out_.entries.clear();  // they extend another data file
        return;
      }
      out_.matched = true;
      out_.entries.clear();
      out_.unreadLines = 0;  // what came before is in the data file
      if (lines_ == 1) firstLineMatches_ = true;
      return;
    }
    ++out_.entriesSeen;
    if (out_.matched || (out_.markDamaged && !markSeen_)) out_.entries.push_back(std::move(parsed->entry));
  }

  void Finish() {
    // A damaged mark and no other: the entries extend the data file found.
    if (out_.markDamaged && !markSeen_) out_.matched = true;
    if (!out_.matched) out_.unreadLines = 0;
    out_.fresh = lines_ == 1 && firstLineMatches_ && out_.damagedLines == 0 && out_.endsWithLineBreak;
  }

 private:
  JournalReading& out_;
  const std::string& dataMark_;
  std::size_t lines_ = 0;
  bool firstLineMatches_ = false;
  bool markSeen_ = false;  // a readable mark line
};

}  // namespace

std::string DataBytesMark(std::string_view bytes) {
  InitCryptoLibrary();
  unsigned char digest[EVP_MAX_MD_SIZE];
  unsigned int size = 0;
  if (EVP_Digest(bytes.data(), bytes.size(), digest, &size, EVP_sha256(), nullptr) != 1) return "unhashed";
  return Hex(digest, size);
}

std::string DataFileMark(const std::string& path) {
  std::string bytes;
  bool missing = false;
  if (ReadWholeFile(path, bytes, nullptr, &missing)) return DataBytesMark(bytes);
  return missing ? kNoDataFileMark : kUnreadableDataFileMark;
}

std::string JournalEntryLine(const JournalEntry& entry) {
  std::string body = entry.kind == JournalKind::Fill ? "F " : "S ";
  body += Encrypt(entry.group);
  body += ' ';
  body += Encrypt(entry.caption);
  body += ' ';
  body += Encrypt(entry.text);
  return WithCheck(std::move(body));
}

std::string JournalMarkLine(const std::string& dataMark) { return WithCheck("M " + dataMark); }

JournalReading ReadJournal(const std::string& path, const std::string& dataMark, JournalFiles& files) {
  JournalReading out;
  const int fd = files.Open(path, O_RDONLY);
  if (fd < 0) {
    if (errno == ENOENT) return out;
    out.exists = true;
    out.error = "cannot open " + path + ": " + std::strerror(errno);
    return out;
  }
  out.exists = true;
  JournalParser parser(out, dataMark);
  std::string pending;
  // Not filled first: a short journal touches only the pages a read fills.
  const auto piece = std::make_unique_for_overwrite<char[]>(kReadPiece);
  bool skipping = false;  // inside a line that is too long
  for (;;) {
    const ssize_t n = files.Read(fd, piece.get(), kReadPiece);
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) out.error = "cannot read " + path + ": " + std::strerror(errno);
    if (n <= 0) break;  // what a read error leaves unread is kept aside by the caller
    const std::size_t scanFrom = pending.size();
    pending.append(piece.get(), static_cast<std::size_t>(n));
    std::size_t start = 0;
    for (std::size_t lf = pending.find('\n', scanFrom); lf != std::string::npos; lf = pending.find('\n', start)) {
      if (skipping) {
        skipping = false;
      } else {
        parser.Line(std::string_view(pending).substr(start, lf - start));
      }
      start = lf + 1;
    }
    pending.erase(0, start);
    if (pending.size() > kMaxLineBytes) {
      ++out.damagedLines;
      ++out.unreadLines;
      pending.clear();
      skipping = true;
    }
  }
  files.Close(fd);
  out.endsWithLineBreak = pending.empty() && !skipping;
  // A last line without its line break was cut short, unless its check
  // still holds (only the line break was lost).
  if (!pending.empty()) parser.Line(pending, true);
  parser.Finish();
  return out;
}

void SetJournalAside(const std::string& path) {
  const std::string aside = path + kUnusedJournalSuffix;
  std::rename(path.c_str(), aside.c_str());
}

bool ClipJournal::Reset(const std::string& path, const std::string& dataMark, std::string* error) {
  // On failure the open journal stays as it is: its entries after the last
  // mark are still exactly those the data file on disk lacks.
  if (!files_.Replace(path, JournalMarkLine(dataMark), error)) return false;
  if (Reopen(path, true, error)) return true;
  // The file open for appending is no longer the one under that name.
  Close();
  return false;
}

bool ClipJournal::Reopen(const std::string& path, bool endsWithLineBreak, std::string* error) {
  const int fd = files_.Open(path, O_WRONLY | O_APPEND);
  if (fd < 0) {
    if (error) *error = "cannot open " + path + ": " + std::strerror(errno);
    return false;
  }
  Close();
  fd_ = fd;
  path_ = path;
  lineOpen_ = !endsWithLineBreak;
  return true;
}

void ClipJournal::Close() {
  if (fd_ >= 0) files_.Close(fd_);
  fd_ = -1;
  path_.clear();
  lineOpen_ = false;
}

bool ClipJournal::Append(const std::vector<JournalEntry>& entries, std::string* error) {
  if (entries.empty()) return true;
  std::string bytes;
  for (const JournalEntry& entry : entries) bytes += JournalEntryLine(entry);
  return WriteDurably(std::move(bytes), error);
}

bool ClipJournal::Mark(const std::string& dataMark, std::string* error) {
  return WriteDurably(JournalMarkLine(dataMark), error);
}

bool ClipJournal::WriteDurably(std::string bytes, std::string* error) {
  if (fd_ < 0) {
    if (error) *error = "the journal is not open";
    return false;
  }
  if (lineOpen_) bytes.insert(0, "\r\n");
  const off_t before = files_.Size(fd_);
  // A failed write is taken back, so that writing the same lines again
  // later neither leaves a broken line nor journals a clip twice.
  auto fail = [&](const char* what) {
    const int code = errno;
    if (error) *error = std::string(what) + " " + path_ + ": " + std::strerror(code);
    if (before < 0 || files_.Truncate(fd_, before) != 0) lineOpen_ = true;
    return false;
  };
  std::size_t written = 0;
  while (written < bytes.size()) {
    const ssize_t n = files_.Write(fd_, bytes.data() + written, bytes.size() - written);
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) return fail("cannot write");
    if (n == 0) {
      errno = ENOSPC;
      return fail("cannot write");
    }
    written += static_cast<std::size_t>(n);
  }
  while (files_.DataSync(fd_) != 0) {
    if (errno != EINTR) return fail("cannot flush");
  }
  lineOpen_ = false;
  return true;
}

}  // namespace cvd
