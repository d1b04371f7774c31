#pragma once
// Keeping a damaged file aside before the program replaces it: the user's
// only copy of what could not be read must survive the next save.
#include <string>
#include <string_view>

namespace cvd {

// Keeps the file at `path` under the first free name `path` + ".damaged",
// ".damaged.2", ...: from `bytes` when they could be read, else (`bytes`
// null) as a second link to the same file, which an atomic save of `path`
// leaves alone. A copy that already holds the same bytes (or is the same
// file) is reused, so a file that stays damaged from start to start does not
// pile up copies. Returns the copy's path, or empty with `error` set.
std::string KeepDamagedCopy(const std::string& path, const std::string_view* bytes, std::string& error);

}  // namespace cvd
