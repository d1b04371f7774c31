#pragma once
// The search dialog for tests: ShowModal runs `whileShown` as the user's
// part, then the dialog counts as closed where `frame` says.
#include <functional>
#include <string>

#include "core/ports/SearchView.h"

namespace cvd::test {

class FakeSearchView : public SearchView {
 public:
  void ShowModal(const Rect& at) override {
    ++shows;
    shownAt = at;
    frame = at;
    if (whileShown) whileShown();
  }
  void Close() override { ++closes; }
  Rect Frame() override { return frame; }
  void HitsChanged(int, int) override {
    if (betweenSlices) betweenSlices();
  }
  void SetFoundText(const std::string& text) override { found = text; }
  void SetOptions(const SearchOptions& shown) override { options = shown; }
  void SetEditEnabled(bool) override {}

  std::function<void()> whileShown;
  std::function<void()> betweenSlices;  // after each slice that found something
  int shows = 0, closes = 0;
  Rect shownAt, frame;
  std::string found;
  SearchOptions options;
};

}  // namespace cvd::test
