#pragma once
// Where the program finds the files it ships with (the clip sound, the
// manual): beside the program in a build folder, or under the prefix it was
// installed to (bin/../share/corvinade/).
#include <string>

namespace cvd {

inline constexpr const char* kInstalledFilesDir = "../share/corvinade/";

// The first of `programDir` + `name` and the installed place that exists;
// the path beside the program when neither does, so a missing file is
// reported under the name the user expects.
std::string FindProgramFile(const std::string& programDir, const std::string& name);

}  // namespace cvd
