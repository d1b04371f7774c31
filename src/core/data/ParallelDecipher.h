#pragma once
// A big data file holds hundreds of thousands of enciphered values: the
// reader notes where each run of button lines is and whose buttons they
// fill, and at the end they are deciphered on every core at once, straight
// into packed buttons that the groups then take over whole.
#include <cstddef>
#include <memory>
#include <string_view>
#include <vector>

#include "core/data/GroupTable.h"

namespace cvd {

class LateButtons;

// A run of button lines and the buttons read from it.
struct ButtonRun {
  std::string_view lines;  // name, hint and packed text of `count` buttons
  std::size_t first = 0;   // the first button of the list it fills
  std::size_t count = 0;
  ButtonList read;      // filled by DecipherRuns
  bool failed = false;  // reading it ran out of memory: `read` is not whole
  // The font and face colour of each button (two lines a button), when the
  // file has them; a line that is not a number leaves the button's default
  // colours (those of a permanent button from button `clips` + 1 on).
  bool hasColours = false;
  std::string_view colours;
  std::size_t clips = 0;
};

// Reads `run` into its `read` list; returns how many values did not read
// cleanly.
std::size_t ReadRun(ButtonRun& run);

// Deciphers every run into its own `read` (threads 0: one per core, at most
// 8); returns how many values did not decipher cleanly. Missing lines give
// empty values, as lines past a file's end do.
std::size_t DecipherRuns(std::vector<ButtonRun>& runs, unsigned threads = 0);

class DeferredDecipher {
 public:
  // Files smaller than this are deciphered value by value as they are read.
  static constexpr std::size_t kMinBytes = 512 * 1024;
  // Runs longer than this are split, so that every core gets a share.
  static constexpr std::size_t kButtonsPerRun = 1024;

  // `lines` (which must outlive Run) hold the name, hint and packed text of
  // `count` buttons of `list` from `first` on; the list must stay where it
  // is until Run.
  void AddButtons(std::string_view lines, ButtonList& list, std::size_t first, std::size_t count) {
    runs_.push_back(ButtonRun{lines, first, count, {}, false});
    lists_.push_back(&list);
  }
  // Deciphers every run noted so far (threads 0: one per core, at most 8);
  // returns how many values did not decipher cleanly.
  std::size_t Run(unsigned threads = 0);
  std::size_t Runs() const { return runs_.size(); }
  // The next run of `list` not yet given its colour lines, in the order the
  // runs were added; null when the next run is another list's.
  ButtonRun* NextRunWithoutColours(const ButtonList& list) {
    if (coloured_ >= runs_.size() || lists_[coloured_] != &list) return nullptr;
    return &runs_[coloured_++];
  }
  // The runs of every list but `keep`, taken out of this one (for
  // LateButtons::Give).
  DeferredDecipher SplitOff(const ButtonList* keep);

 private:
  friend class LateButtons;

  std::vector<ButtonRun> runs_;
  std::vector<ButtonList*> lists_;  // the list of each run
  std::size_t coloured_ = 0;        // runs given their colour lines
};

}  // namespace cvd
