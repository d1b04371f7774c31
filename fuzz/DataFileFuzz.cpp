// Any bytes as a data file: no crash, no hang, bounded memory; a file that
// reads is written again and reads again.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "core/data/DataFile.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  const cvd::DataFileContents contents = cvd::ReadDataFile(bytes, cvd::LegacyDisplay{});
  if (contents.status != cvd::DataFileStatus::Ok) return 0;
  const cvd::DataFileContents again = cvd::ReadDataFile(cvd::WriteDataFile(contents.table), cvd::LegacyDisplay{});
  if (again.status != cvd::DataFileStatus::Ok || again.missingSeparators != 0) std::abort();
  if (again.table.GroupList != contents.table.GroupList) std::abort();
  return 0;
}
