#pragma once
// Replacing a file so that a crash or a full disk never leaves it half
// written: the bytes go to a temporary file in the same folder, are flushed
// to the disk, and the temporary file is renamed over the old one.
#include <string>

namespace cvd {

// Writes `bytes` to `path` atomically. On failure the old file (if any) is
// left as it was, no temporary file remains, and `error` (when given) gets a
// one-line reason. A new file is readable by its owner only; a replaced file
// keeps its permissions, and a symbolic link is followed, not replaced.
bool WriteFileAtomically(const std::string& path, const std::string& bytes, std::string* error);

// Creates `path` with `bytes` only if nothing exists under that name (never
// overwrites); false with `error` otherwise.
bool WriteNewFile(const std::string& path, const std::string& bytes, std::string* error);

// Reads a whole file. False with `error` when it cannot be opened or read;
// `missing` (when given) tells whether it simply does not exist.
bool ReadWholeFile(const std::string& path, std::string& bytes, std::string* error, bool* missing = nullptr);

}  // namespace cvd
