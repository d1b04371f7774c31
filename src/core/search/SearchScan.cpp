#include "core/search/SearchScan.h"

#include <algorithm>

#include "core/util/Text.h"

namespace cvd {

namespace {

char FoldAscii(char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - ('a' - 'A')) : c; }

}  // namespace

bool HoldsPiece(std::string_view text, std::string_view piece, bool caseSensitive) {
  if (piece.empty() || piece.size() > text.size()) return false;
  if (caseSensitive) return text.find(piece) != std::string_view::npos;
  // No folded copy of every name and text: compare folded bytes in place.
  const char first = piece.front();
  const std::size_t last = text.size() - piece.size();
  for (std::size_t i = 0; i <= last; ++i) {
    if (FoldAscii(text[i]) != first) continue;
    std::size_t k = 1;
    while (k < piece.size() && FoldAscii(text[i + k]) == piece[k]) ++k;
    if (k == piece.size()) return true;
  }
  return false;
}

void SearchScan::Begin(const std::string& text, const SearchOptions& options, int onlyGroup) {
  options_ = options;
  piece_ = options.caseSensitive ? text : UpperAscii(text);
  onlyGroup_ = std::max(0, onlyGroup);
  group_ = onlyGroup_ > 0 ? onlyGroup_ : 1;
  button_ = 1;
  done_ = piece_.empty() || (!options.name && !options.text);
}

bool SearchScan::Matches(std::string_view name, std::string_view text) const {
  // Name first; a button whose name and text both match is one hit.
  return (options_.name && HoldsPiece(name, piece_, options_.caseSensitive)) ||
         (options_.text && HoldsPiece(text, piece_, options_.caseSensitive));
}

bool SearchScan::Step(const GroupTable& table, std::vector<SearchHit>& hits, const std::function<bool()>& yield) {
  int sinceCheck = 0;
  while (!done_) {
    const int last = onlyGroup_ > 0 ? std::min(onlyGroup_, table.GroupCount()) : table.GroupCount();
    if (group_ > last) {
      done_ = true;
      break;
    }
    const TGroup& group = table.Groups[group_];
    const int count = std::min(group.TotalButtons(), static_cast<int>(group.Buttons.size()) - 1);
    while (button_ <= count) {
      const std::string_view name = group.Buttons.Name(button_);
      const std::string_view text = group.Buttons.Text(button_);
      if (Matches(name, text))
        hits.push_back(SearchHit{group_, button_, group.Name, std::string(name), std::string(text)});
      ++button_;
      if (++sinceCheck == kCheckEvery) {
        sinceCheck = 0;
        if (button_ <= count && yield()) return false;
      }
    }
    ++group_;
    button_ = 1;
    if (group_ <= last && yield()) return false;
  }
  return true;
}

}  // namespace cvd
