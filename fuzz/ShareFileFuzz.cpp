// Any bytes as the share file, written in two parts like two appends: no
// crash, no line with a line break, and reading on from the first read's
// mark gives exactly the lines a whole read finds after them. Every line
// that parses writes a line that parses the same.
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <fstream>
#include <string>
#include <string_view>

#include "core/share/ShareFile.h"

namespace {

const std::string& ScratchPath() {
  static const std::string path = "/tmp/fuzz_share_" + std::to_string(::getpid()) + ".cdf";
  return path;
}

void Write(std::string_view bytes, std::ios::openmode mode) {
  std::ofstream(ScratchPath(), std::ios::binary | mode).write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

void CheckLines(const cvd::ShareFileLines& read) {
  if (read.status != cvd::ShareReadStatus::Ok) std::abort();
  for (const std::string& line : read.lines) {
    if (line.find('\n') != std::string::npos) std::abort();
    const auto entry = cvd::ParseShareLine(line);
    if (!entry) continue;
    std::string again = cvd::MakeShareLine(entry->computer, entry->group, entry->text);
    again.resize(again.size() - 2);  // the CR LF
    const auto reparsed = cvd::ParseShareLine(again);
    if (!reparsed || reparsed->computer != entry->computer || reparsed->group != entry->group ||
        reparsed->text != entry->text) {
      std::abort();
    }
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size == 0) return 0;
  const std::string_view bytes(reinterpret_cast<const char*>(data) + 1, size - 1);
  const std::size_t split = bytes.size() * data[0] / 255;
  Write(bytes.substr(0, split), std::ios::trunc);
  const cvd::ShareFileLines first = cvd::ReadShareFile(ScratchPath(), 0, nullptr);
  CheckLines(first);
  Write(bytes.substr(split), std::ios::app);
  const cvd::ShareFileLines rest = cvd::ReadShareFile(ScratchPath(), first.mark.line, &first.mark);
  CheckLines(rest);
  const cvd::ShareFileLines whole = cvd::ReadShareFile(ScratchPath(), 0, nullptr);
  CheckLines(whole);
  if (rest.restarted || rest.first != first.mark.line) std::abort();
  std::vector<std::string> joined = first.lines;
  joined.insert(joined.end(), rest.lines.begin(), rest.lines.end());
  if (joined != whole.lines || rest.mark.line != whole.mark.line) std::abort();
  return 0;
}
