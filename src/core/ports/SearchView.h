#pragma once
// The button search dialog as the core sees it: a humble view that shows
// the hit list, the found label and the option ticks. It reports what the
// user does to ButtonSearch and reads the hits from there.
#include <string>

#include "core/util/Geometry.h"

namespace cvd {

// The four ticking entries of the options menu.
struct SearchOptions {
  bool allGroups = true;
  bool caseSensitive = false;
  bool name = true;
  bool text = true;
  bool operator==(const SearchOptions&) const = default;
};

class SearchView {
 public:
  virtual ~SearchView() = default;
  // Shows the dialog modally at `frame` (left, top, client size) with the
  // keyboard focus in the search box; returns once it has closed.
  virtual void ShowModal(const Rect& frame) = 0;
  // Closes the dialog; the pending ShowModal returns.
  virtual void Close() = 0;
  // Where the dialog is now, in the form ShowModal takes.
  virtual Rect Frame() = 0;
  // The hit list holds `count` hits now; the first `unchanged` are the ones
  // shown before. With `unchanged` 0 the list was reset (no selection).
  virtual void HitsChanged(int unchanged, int count) = 0;
  virtual void SetFoundText(const std::string& text) = 0;
  virtual void SetOptions(const SearchOptions& options) = 0;
  // "Edit" works only while there is an editor to open.
  virtual void SetEditEnabled(bool enabled) = 0;
};

}  // namespace cvd
