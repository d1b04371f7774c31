#pragma once
// What tells one version of a file from another without reading it: a save
// that replaces the file gives a new inode, a write in place a new size or
// modification time.
#include <sys/stat.h>

#include <cstdint>
#include <string>

namespace cvd {

struct FileStamp {
  bool exists = false;
  std::uint64_t device = 0;
  std::uint64_t inode = 0;
  std::int64_t size = 0;
  std::int64_t mtimeNs = 0;

  bool operator==(const FileStamp&) const = default;
};

FileStamp StampOf(const struct stat& st);
// The stamp of the file at `path`; false (errno set) when it cannot be looked at.
bool StampFile(const std::string& path, FileStamp& stamp);

}  // namespace cvd
