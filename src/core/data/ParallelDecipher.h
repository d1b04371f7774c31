#pragma once
// A big data file holds hundreds of thousands of enciphered values: the
// reader notes where each run of button lines is and whose buttons they
// fill, and at the end they are deciphered on every core at once, straight
// into packed buttons that the groups then take over whole.
#include <cstddef>
#include <string_view>
#include <vector>

#include "core/data/GroupTable.h"

namespace cvd {

class DeferredDecipher {
 public:
  // Files smaller than this are deciphered value by value as they are read.
  static constexpr std::size_t kMinBytes = 512 * 1024;
  // Runs longer than this are split, so that every core gets a share.
  static constexpr std::size_t kButtonsPerRun = 1024;

  // `lines` (which must outlive Run) hold the name, hint and packed text of
  // `count` buttons of `list` from `first` on; the list must stay where it
  // is until Run. Missing lines give empty values, as lines past a file's
  // end do.
  void AddButtons(std::string_view lines, ButtonList& list, std::size_t first, std::size_t count) {
    runs_.push_back(ButtonRun{lines, &list, first, count, {}});
  }
  // Deciphers every run noted so far (threads 0: one per core, at most 8);
  // returns how many values did not decipher cleanly.
  std::size_t Run(unsigned threads = 0);

 private:
  struct ButtonRun {
    std::string_view lines;
    ButtonList* list;
    std::size_t first;
    std::size_t count;
    ButtonList read;  // by a helper thread, for this thread to hand over
  };
  std::vector<ButtonRun> runs_;
};

}  // namespace cvd
