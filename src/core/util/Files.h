#pragma once
// Small file-system helpers for the settings and backup code. Paths are
// UTF-8 byte strings; folders end with "/".
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace cvd {

bool FileExists(const std::string& path);
bool DirectoryExists(const std::string& path);

// The whole file, or nothing when it is missing, unreadable, not a regular
// file (a pipe never stalls the reader) or larger than `maxBytes`.
std::optional<std::string> ReadFileUpTo(const std::string& path, std::size_t maxBytes);

// Backup copies and restored files are small; this bound only keeps
// something else in their place from being read into memory.
inline constexpr std::size_t kMaxCopyBytes = std::size_t{1} << 30;

// Copies `from` over `to`, replacing it atomically (WriteFileAtomically).
bool CopyFileReplacing(const std::string& from, const std::string& to, std::string& error);

// Nanoseconds since the epoch at which the file was created: its birth time
// where the file system reports one, else its modification time.
std::optional<std::int64_t> FileCreationTime(const std::string& path);

// Names (not paths) of the regular files in `folder` whose name starts with
// `prefix`, sorted.
std::vector<std::string> FilesStartingWith(const std::string& folder, const std::string& prefix);

// True when both name the same existing folder, or are equal texts.
bool SameFolder(const std::string& a, const std::string& b);

// The folder part of a path, with its trailing "/"; "" for a bare name.
std::string FolderOf(const std::string& path);
std::string FileNameOf(const std::string& path);

}  // namespace cvd
