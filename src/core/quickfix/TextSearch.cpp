#include "core/quickfix/TextSearch.h"

namespace cvd {

FoldedPattern::FoldedPattern(std::string_view pattern) : pattern_(pattern.size()), fail_(pattern.size(), 0) {
  for (std::size_t i = 0; i < pattern.size(); ++i) pattern_[i] = Fold(pattern[i]);
  std::size_t k = 0;
  for (std::size_t i = 1; i < pattern_.size(); ++i) {
    while (k > 0 && pattern_[i] != pattern_[k]) k = fail_[k - 1];
    if (pattern_[i] == pattern_[k]) ++k;
    fail_[i] = k;
  }
}

}  // namespace cvd
