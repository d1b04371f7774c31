// Any bytes as the clip journal: no crash; what it replays is a subset of
// what it read; and the entries it replays, written again after their mark,
// read back the same from a journal that is no longer fresh.
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <fstream>
#include <string>
#include <string_view>

#include "core/journal/ClipJournal.h"

namespace {

const std::string& ScratchPath() {
  static const std::string path = "/tmp/fuzz_journal_" + std::to_string(::getpid()) + ".jnl";
  return path;
}

void Write(std::string_view bytes) {
  std::ofstream(ScratchPath(), std::ios::binary | std::ios::trunc)
      .write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  // The seeds extend the data file with the empty text's mark.
  static const std::string mark = cvd::DataBytesMark("");
  Write(std::string_view(reinterpret_cast<const char*>(data), size));
  const cvd::JournalReading reading = cvd::ReadJournal(ScratchPath(), mark);
  if (!reading.exists || reading.entries.size() > reading.entriesSeen) std::abort();
  if (!reading.matched && !reading.entries.empty()) std::abort();
  if (reading.fresh && (!reading.matched || !reading.entries.empty() || reading.damagedLines != 0)) std::abort();

  std::string again = cvd::JournalMarkLine(mark);
  for (const cvd::JournalEntry& entry : reading.entries) again += cvd::JournalEntryLine(entry);
  Write(again);
  const cvd::JournalReading reread = cvd::ReadJournal(ScratchPath(), mark);
  if (!reread.matched || reread.entries != reading.entries || reread.damagedLines != 0) std::abort();
  if (reread.fresh != reading.entries.empty()) std::abort();
  return 0;
}
