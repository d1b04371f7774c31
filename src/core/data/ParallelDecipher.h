#pragma once
// A big data file holds hundreds of thousands of enciphered values: they are
// deciphered on every core at once before the reader walks the lines.
#include <cstddef>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace cvd {

class DecipheredLines {
 public:
  // Files smaller than this are read line by line as they come.
  static constexpr std::size_t kMinBytes = 512 * 1024;

  // Every line of `bytes` (split as LineReader splits them) deciphered, or
  // null for a small file.
  static std::unique_ptr<DecipheredLines> For(std::string_view bytes, unsigned threads = 0);

  std::size_t Count() const { return lines_.size(); }
  // The plain value of line `number` (1-based), handed over once.
  std::string Take(std::size_t number) { return std::move(lines_[number - 1]); }

 private:
  std::vector<std::string> lines_;
};

}  // namespace cvd
