// Requests to the running program over its per-user socket.
#include <sys/mman.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <iostream>
#include <new>
#include <string>
#include <string_view>
#include <vector>

#include "core/app/Instance.h"
#include "tools/Commands.h"

namespace cvd::tool {

namespace {

// An answer in blocks of huge pages where the system gives them: a big
// history's report is tens of megabytes, and taking it a small page at a
// time cost more than its transfer.
class ReportBuffer {
 public:
  ReportBuffer() = default;
  ReportBuffer(const ReportBuffer&) = delete;
  ReportBuffer& operator=(const ReportBuffer&) = delete;
  ~ReportBuffer() {
    for (const Block& b : blocks_) std::free(b.bytes);
  }
  void Add(std::string_view piece) {
    while (!piece.empty()) {
      if (blocks_.empty() || blocks_.back().used == kBlockBytes) NewBlock();
      Block& b = blocks_.back();
      const std::size_t n = std::min(piece.size(), kBlockBytes - b.used);
      std::memcpy(b.bytes + b.used, piece.data(), n);
      b.used += n;
      piece.remove_prefix(n);
    }
  }
  // Writes it all; true when it ends with a line break.
  bool Print(std::ostream& out) const {
    char last = '\n';
    for (const Block& b : blocks_) {
      out.write(b.bytes, static_cast<std::streamsize>(b.used));
      if (b.used > 0) last = b.bytes[b.used - 1];
    }
    return !blocks_.empty() && last == '\n';
  }

 private:
  static constexpr std::size_t kHugePage = 2 << 20;
  static constexpr std::size_t kBlockBytes = 2 * kHugePage;
  struct Block {
    char* bytes;
    std::size_t used;
  };
  void NewBlock() {
    void* bytes = std::aligned_alloc(kHugePage, kBlockBytes);
    if (!bytes) throw std::bad_alloc();
    madvise(bytes, kBlockBytes, MADV_HUGEPAGE);  // a hint: without it, small pages
    blocks_.push_back({static_cast<char*>(bytes), 0});
  }
  std::vector<Block> blocks_;
};

int Request(const char* request, bool printAnswer) {
  const auto answer = SendInstanceRequest(request, 5000);
  if (!answer) {
    std::cerr << "corvinade-tool: Corvinade is not running\n";
    return 1;
  }
  if (printAnswer) std::cout << *answer << (answer->empty() || answer->back() != '\n' ? "\n" : "");
  return 0;
}

}  // namespace

int StateCommand(const std::vector<std::string>&) {
  // Taken in whole before it is printed: a slow reader of a big history's
  // report (a pipe into jq) must not hold up the program, which sends it
  // with everything else waiting.
  ReportBuffer report;
  const bool ok = StreamInstanceRequest(kRequestState, 5000, [&report](std::string_view piece) { report.Add(piece); });
  if (!ok) {
    std::cerr << "corvinade-tool: Corvinade is not running\n";
    return 1;
  }
  const bool endsLine = report.Print(std::cout);
  if (!endsLine) std::cout << '\n';
  return 0;
}

int QuitCommand(const std::vector<std::string>&) { return Request(kRequestQuit, false); }

int DoCommand(const std::vector<std::string>& args) {
  if (args.size() != 1 || args[0].empty() || args[0].find_first_of("\r\n") != std::string::npos) {
    std::cerr << "usage: corvinade-tool do NAME\n";
    return 2;
  }
  const auto answer = SendInstanceRequest(kRequestDo + args[0], 5000);
  if (!answer) {
    std::cerr << "corvinade-tool: Corvinade is not running\n";
    return 1;
  }
  if (answer->rfind(kAnswerUnknownFunction, 0) == 0) {
    std::cerr << "corvinade-tool: no shortcut function or quick fix is named '" << args[0] << "'\n";
    return 1;
  }
  return 0;
}

int SetupCommand(const std::vector<std::string>& args) {
  if (args.size() != 1 || args[0] != "shortcuts") {
    std::cerr << "usage: corvinade-tool setup shortcuts\n";
    return 2;
  }
  return Request(kRequestSetupShortcuts, false);
}

}  // namespace cvd::tool
