#pragma once
// A whole file read into memory of its own. A big file's memory is mapped
// in huge pages where the system offers them, instead of a page fault for
// every 4 KiB as it is filled: for a 20 MB data file that was most of the
// time its reading took, and scanning its lines costs a tenth.
#include <cstddef>
#include <string>
#include <string_view>

namespace cvd {

class FileBytes {
 public:
  // Files from this size on get memory mapped for them.
  static constexpr std::size_t kMapFrom = std::size_t{1} << 20;

  FileBytes() = default;
  ~FileBytes() { Release(); }
  FileBytes(const FileBytes&) = delete;
  FileBytes& operator=(const FileBytes&) = delete;

  // Reads the file at `path` (see ReadWholeFile): false with `error` when it
  // cannot be opened or read; `missing` tells whether it does not exist.
  bool Read(const std::string& path, std::string* error, bool* missing = nullptr);
  std::string_view View() const { return mapped_ ? std::string_view(mapped_, size_) : std::string_view(small_); }

 private:
  void Release();

  char* mapped_ = nullptr;
  std::size_t size_ = 0;
  std::size_t capacity_ = 0;
  std::string small_;
};

}  // namespace cvd
