#pragma once
// Groups with every field away from its default, for file round trips.
#include <string>
#include <vector>

#include "core/data/GroupTable.h"

namespace cvd::test {

// A group with `clips` clip and `perms` permanent buttons; `seed` varies
// the values (odd seeds remember their position, even ones are shared).
TGroup SampleGroup(const std::string& name, int clips, int perms, int seed);

// The CR LF lines of a file, and back (the first `count` lines).
std::vector<std::string> Lines(const std::string& bytes);
std::string Join(const std::vector<std::string>& lines, std::size_t count);
// The file with line `lineNumber` (1-based) replaced.
std::string WithLine(const std::string& bytes, std::size_t lineNumber, const std::string& replacement);

}  // namespace cvd::test
