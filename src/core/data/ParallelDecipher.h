#pragma once
// A big data file holds hundreds of thousands of enciphered values: the
// reader notes where each value goes and deciphers them all at the end, on
// every core at once, straight into their places. No line is held twice.
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace cvd {

class DeferredDecipher {
 public:
  // Files smaller than this are deciphered value by value as they are read.
  static constexpr std::size_t kMinBytes = 512 * 1024;

  // `line` (which must outlive Run) is to be deciphered into `*dest`, which
  // must stay where it is until then; `unpack` turns the packed text marks
  // back into line breaks and tabs.
  void Add(std::string_view line, std::string* dest, bool unpack) { jobs_.push_back(Job{line, dest, unpack}); }
  void Reserve(std::size_t values) { jobs_.reserve(values); }
  std::size_t Count() const { return jobs_.size(); }
  // Deciphers every value noted so far (threads 0: one per core, at most 8).
  void Run(unsigned threads = 0);

 private:
  struct Job {
    std::string_view line;
    std::string* dest;
    bool unpack;
  };
  std::vector<Job> jobs_;
};

}  // namespace cvd
