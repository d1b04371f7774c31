#include "core/share/ShareFile.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <climits>
#include <cstring>
#include <thread>

#include "core/data/AtomicFile.h"
#include "core/data/Cipher.h"
#include "core/log/Log.h"
#include "core/util/Files.h"

namespace cvd {

namespace {

// A line longer than this is taken as damage and skipped (still counted).
constexpr std::size_t kMaxLineBytes = std::size_t{64} << 20;
// One read pass hands over at most about this much; the rest waits for the next.
constexpr std::size_t kMaxPassBytes = std::size_t{64} << 20;
// How much of the first line identifies the file.
constexpr std::size_t kHeadBytes = 256;

std::string Reason(const std::string& what, int code) { return what + ": " + std::strerror(code); }

class Fd {
 public:
  explicit Fd(int fd) : fd_(fd) {}
  ~Fd() {
    if (fd_ >= 0) ::close(fd_);
  }
  Fd(const Fd&) = delete;
  Fd& operator=(const Fd&) = delete;
  int get() const { return fd_; }
  // Closes now; false when the close reported an error (a network file
  // system may report a failed write only here).
  bool Close() {
    const int fd = fd_;
    fd_ = -1;
    return ::close(fd) == 0;
  }

 private:
  int fd_;
};

// Instances on this computer queue behind each other; a lock that does not
// come within a moment (a lock service that hangs) is done without.
void LockBriefly(int fd) {
  for (int i = 0; i < 20; ++i) {
    if (::flock(fd, LOCK_EX | LOCK_NB) == 0) return;
    if (errno != EWOULDBLOCK && errno != EINTR) return;
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
  }
}

bool WriteWhole(int fd, const std::string& bytes) {
  std::size_t done = 0;
  while (done < bytes.size()) {
    const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
    if (n < 0) {
      if (errno == EINTR) continue;
      return false;
    }
    done += static_cast<std::size_t>(n);
  }
  return true;
}

// The file's first bytes, up to and with the first line break.
std::string ReadHead(int fd) {
  std::string head(kHeadBytes, '\0');
  const ssize_t n = ::pread(fd, head.data(), head.size(), 0);
  head.resize(n > 0 ? static_cast<std::size_t>(n) : 0);
  const auto lf = head.find('\n');
  if (lf != std::string::npos) head.resize(lf + 1);
  return head;
}

bool SameFile(const ShareFileMark& last, const FileStamp& now, const std::string& head) {
  return last.stamp.exists && last.stamp.device == now.device && last.stamp.inode == now.inode &&
         now.size >= last.size && head.compare(0, last.head.size(), last.head) == 0 && head.size() >= last.head.size();
}

// Reads whole lines from byte `start` (the start of line `line`) to the end,
// keeping those numbered `from` and later.
bool ScanLines(int fd, std::int64_t start, std::int32_t line, std::int32_t from, ShareFileLines& out) {
  out.lines.clear();
  out.first = from;
  out.more = false;
  std::int64_t offset = start;
  std::int64_t lineStart = start;
  std::size_t kept = 0;
  std::string pending;
  bool tooLong = false;
  std::string buffer(std::size_t{64} << 10, '\0');
  for (;;) {
    const ssize_t n = ::pread(fd, buffer.data(), buffer.size(), offset);
    if (n < 0) {
      if (errno == EINTR) continue;
      out.error = Reason("cannot read", errno);
      return false;
    }
    if (n == 0) break;
    std::size_t pos = 0;
    const auto count = static_cast<std::size_t>(n);
    while (pos < count) {
      const char* lf = static_cast<const char*>(std::memchr(buffer.data() + pos, '\n', count - pos));
      const std::size_t end = lf ? static_cast<std::size_t>(lf - buffer.data()) : count;
      if (line >= from && !tooLong) {
        if (pending.size() + (end - pos) > kMaxLineBytes) {
          tooLong = true;
          pending.clear();
          pending.shrink_to_fit();
        } else {
          pending.append(buffer, pos, end - pos);
        }
      }
      if (!lf) break;
      pos = end + 1;
      lineStart = offset + static_cast<std::int64_t>(pos);
      if (line >= from && !tooLong) {
        if (!pending.empty() && pending.back() == '\r') pending.pop_back();
        kept += pending.size();
        out.lines.push_back(std::move(pending));
      }
      pending.clear();
      tooLong = false;
      ++line;
      if (kept >= kMaxPassBytes) {
        out.more = true;
        break;
      }
    }
    if (out.more) break;
    offset += n;
  }
  out.mark.offset = lineStart;
  out.mark.line = line;
  out.mark.size = std::max(out.mark.stamp.size, offset);
  return true;
}

}  // namespace

std::string ShareFilePath(const std::string& shareDir) { return shareDir + kShareFileName; }

std::string MakeShareLine(const std::string& computer, const std::string& group, const std::string& text) {
  return Encrypt(computer) + "," + Encrypt(group) + "," + Encrypt(text) + "\r\n";
}

std::optional<ShareEntry> ParseShareLine(std::string_view line) {
  std::string_view fields[3];
  for (int i = 0; i < 3; ++i) {
    const auto comma = line.find(',');
    if (i < 2 && comma == std::string_view::npos) {
      LogWarning("share", "a line of the share file has fewer than three fields; skipped");
      return std::nullopt;
    }
    fields[i] = line.substr(0, comma);
    line = comma == std::string_view::npos ? std::string_view{} : line.substr(comma + 1);
  }
  // Only what a writer enciphered becomes a clip: a damaged or foreign field
  // would give a clip of garbage or an empty one.
  bool intact[3] = {true, true, true};
  ShareEntry entry{Decrypt(fields[0], &intact[0]), Decrypt(fields[1], &intact[1]), Decrypt(fields[2], &intact[2])};
  if (!intact[0] || !intact[1] || !intact[2]) {
    LogWarning("share", "a line of the share file does not decipher; skipped");
    return std::nullopt;
  }
  return entry;
}

bool AppendShareLine(const std::string& path, const std::string& line, std::string* error, std::int64_t limit) {
  auto fail = [&](const std::string& what) {
    if (error) *error = Reason(what, errno);
    return false;
  };
  // A writer that waited for the lock while another replaced the file tries
  // again on the new file, so that its line is not written into the old one.
  for (int attempt = 0; attempt < 5; ++attempt) {
    Fd fd(::open(path.c_str(), O_WRONLY | O_APPEND | O_CREAT | O_CLOEXEC | O_NONBLOCK, 0666));
    if (fd.get() < 0) return fail("cannot open " + path);
    LockBriefly(fd.get());
    struct stat opened {
    }, named{};
    if (::fstat(fd.get(), &opened) != 0) return fail("cannot examine " + path);
    if (!S_ISREG(opened.st_mode)) {
      errno = EINVAL;
      return fail(path + " is not a file");
    }
    if (::stat(path.c_str(), &named) != 0 || named.st_ino != opened.st_ino || named.st_dev != opened.st_dev) continue;
    // CheckShareFileSize: a full file starts afresh with this line. The old
    // file is replaced whole, so a reader never sees it half emptied.
    // The other computers' users read the share file: it keeps its mode.
    if (opened.st_size > limit) return WriteFileAtomically(path, line, error, FileAccess::KeepExisting);
    if (!WriteWhole(fd.get(), line)) return fail("cannot write " + path);
    if (!fd.Close()) return fail("cannot write " + path);
    return true;
  }
  errno = EBUSY;
  return fail("cannot append to " + path);
}

bool StatShareFile(const std::string& path, FileStamp& stamp, std::string* error) {
  if (StampFile(path, stamp)) return true;
  const int code = errno;
  stamp = FileStamp{};
  if (code == ENOENT && DirectoryExists(FolderOf(path))) return true;
  if (error) *error = Reason("cannot access " + path, code == ENOENT ? ENOENT : code);
  return false;
}

ShareFileLines ReadShareFile(const std::string& path, std::int32_t from, const ShareFileMark* last) {
  ShareFileLines out;
  Fd fd(::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK));
  if (fd.get() < 0) {
    const int code = errno;
    if (code == ENOENT && DirectoryExists(FolderOf(path))) return out;  // Missing
    out.status = ShareReadStatus::Failed;
    out.error = Reason("cannot open " + path, code);
    return out;
  }
  struct stat st {};
  if (::fstat(fd.get(), &st) != 0 || !S_ISREG(st.st_mode)) {
    out.status = ShareReadStatus::Failed;
    out.error = path + " is not a readable file";
    return out;
  }
  out.status = ShareReadStatus::Ok;
  out.mark.stamp = StampOf(st);
  out.mark.head = ReadHead(fd.get());
  std::int64_t start = 0;
  std::int32_t startLine = 0;
  if (last && from > 0) {
    if (!SameFile(*last, out.mark.stamp, out.mark.head)) {
      out.restarted = true;
      from = 0;
    } else if (from == last->line) {
      start = last->offset;
      startLine = last->line;
    }
  }
  bool ok = ScanLines(fd.get(), start, startLine, from, out);
  if (ok && out.mark.line < from) {
    out.restarted = true;
    ok = ScanLines(fd.get(), 0, 0, 0, out);
  }
  if (!ok) {
    out.status = ShareReadStatus::Failed;
    out.lines.clear();
  }
  return out;
}

std::int32_t GetShareFileLines(const std::string& path) {
  Fd fd(::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK));
  struct stat st {};
  if (fd.get() < 0 || ::fstat(fd.get(), &st) != 0 || !S_ISREG(st.st_mode)) return 0;
  // Only the count is wanted: no line is kept.
  ShareFileLines count;
  return ScanLines(fd.get(), 0, 0, INT32_MAX, count) ? count.mark.line : 0;
}

}  // namespace cvd
