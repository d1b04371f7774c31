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
// file or larger than `maxBytes`.
std::optional<std::string> ReadWholeFile(const std::string& path, std::size_t maxBytes);

// Replaces `path` with `bytes` through a temporary file in the same folder
// (flushed and synced before the rename), so the old file stays whole when
// anything fails. False with `error` set on failure.
bool ReplaceFileAtomically(const std::string& path, const std::string& bytes, std::string& error);

// Copies `from` over `to` (replacing it atomically).
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
