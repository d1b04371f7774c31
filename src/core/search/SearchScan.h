#pragma once
// The scan behind button search: finds the buttons whose name or text holds
// a piece of text, in one group or in all, a slice at a time. Between
// slices the table may change (a clip arrives, the editor deletes a group),
// so every slice reads the group and button counts afresh and never reads
// past them.
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "core/data/GroupTable.h"
#include "core/ports/SearchView.h"

namespace cvd {

// One row of the hit list: what was found where, as it was when found.
struct SearchHit {
  int group = 0;
  int button = 0;
  std::string groupName;
  std::string buttonName;
  std::string text;
  // The row's key: group number, comma, button number.
  std::string Key() const { return std::to_string(group) + "," + std::to_string(button); }
};

// Whether `text` holds `piece`; without `caseSensitive`, a-z count as A-Z
// (`piece` must then be in upper case already).
bool HoldsPiece(std::string_view text, std::string_view piece, bool caseSensitive);

class SearchScan {
 public:
  // Buttons checked between two questions whether to yield.
  static constexpr int kCheckEvery = 256;

  // Starts over. `onlyGroup` 0 searches every group, else only that group.
  // An empty text finds nothing.
  void Begin(const std::string& text, const SearchOptions& options, int onlyGroup);
  // Scans on from where the last slice stopped, appending hits, until
  // `yield` answers true (it is asked after each group and after every
  // kCheckEvery buttons) or the scan is complete. True when complete.
  bool Step(const GroupTable& table, std::vector<SearchHit>& hits, const std::function<bool()>& yield);
  bool Done() const { return done_; }

 private:
  bool Matches(std::string_view name, std::string_view text) const;

  std::string piece_;
  SearchOptions options_;
  int onlyGroup_ = 0;
  int group_ = 1;
  int button_ = 1;
  bool done_ = true;
};

}  // namespace cvd
