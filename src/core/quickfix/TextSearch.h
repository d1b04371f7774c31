#pragma once
// Finding a pattern in a text with the ASCII letters matching either case,
// in time linear in the text whatever the pattern (Knuth-Morris-Pratt).
#include <cstddef>
#include <string_view>
#include <vector>

namespace cvd {

class FoldedPattern {
 public:
  explicit FoldedPattern(std::string_view pattern);

  // Calls onMatch(start) for each occurrence, left to right; an occurrence
  // starts only after the previous one ended, as a scan that deletes or
  // replaces each one finds them. Nothing for an empty pattern.
  template <class OnMatch>
  void ForEachOccurrence(std::string_view text, OnMatch onMatch) const {
    const std::size_t m = pattern_.size();
    if (m == 0 || text.size() < m) return;
    std::size_t state = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
      const char c = Fold(text[i]);
      while (state > 0 && pattern_[state] != c) state = fail_[state - 1];
      if (pattern_[state] == c) ++state;
      if (state == m) {
        onMatch(i + 1 - m);
        state = 0;  // no overlapping occurrences
      }
    }
  }

  std::size_t size() const { return pattern_.size(); }

  static char Fold(char c) { return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c; }

 private:
  std::vector<char> pattern_;
  std::vector<std::size_t> fail_;
};

}  // namespace cvd
