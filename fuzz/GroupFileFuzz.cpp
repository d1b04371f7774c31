// Any bytes as a group file: no crash, no hang, bounded memory; an imported
// group exports to a file that imports the same.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "core/data/GroupFile.h"

namespace {

std::string Same(const std::string& name) { return name; }

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  const cvd::GroupFileContents contents = cvd::ReadGroupFile(bytes);
  if (contents.status != cvd::GroupFileStatus::Ok) return 0;
  cvd::TGroup group = cvd::NewGroupDefaults(contents.group.Name, "/");
  cvd::ApplyGroupFile(contents, group, true, Same);
  const cvd::GroupFileContents again = cvd::ReadGroupFile(cvd::WriteGroupFile(group));
  if (again.status != cvd::GroupFileStatus::Ok || again.group.Buttons != group.Buttons) std::abort();
  return 0;
}
