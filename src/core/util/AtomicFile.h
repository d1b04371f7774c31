#pragma once
// Replacing a file so that a crash or a full disk never leaves it half
// written: the bytes go to a temporary file in the same folder, are flushed
// to the disk, and the temporary file is renamed over the old one.
#include <string>

namespace cvd {

// Who may read a file once it is written.
enum class FileAccess {
  // 0600, also when the file replaced allowed more: the user's clips and
  // settings are the user's alone.
  OwnerOnly,
  // A replaced file keeps its mode (a new one is 0600): files the user keeps
  // elsewhere and may have opened to others on purpose.
  KeepExisting,
};

// Writes `bytes` to `path` atomically. On failure the old file (if any) is
// left as it was, no temporary file remains, and `error` (when given) gets a
// one-line reason. A symbolic link is followed, not replaced.
bool WriteFileAtomically(const std::string& path, const std::string& bytes, std::string* error,
                         FileAccess access = FileAccess::OwnerOnly);

// Creates `path` with `bytes` only if nothing exists under that name (never
// overwrites); false with `error` otherwise.
bool WriteNewFile(const std::string& path, const std::string& bytes, std::string* error);

// Reads a whole file. False with `error` when it cannot be opened or read;
// `missing` (when given) tells whether it simply does not exist.
bool ReadWholeFile(const std::string& path, std::string& bytes, std::string* error, bool* missing = nullptr);

}  // namespace cvd
