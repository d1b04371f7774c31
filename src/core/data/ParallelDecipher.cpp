#include "core/data/ParallelDecipher.h"

#include <algorithm>
#include <atomic>
#include <system_error>
#include <thread>

#include "core/data/LineFile.h"

namespace cvd {

std::size_t DeferredDecipher::Run(unsigned threads) {
  if (threads == 0) threads = std::clamp(std::thread::hardware_concurrency(), 1u, 8u);
  threads = static_cast<unsigned>(std::min<std::size_t>(threads, runs_.size()));
  std::atomic<std::size_t> next{0};
  std::atomic<std::size_t> damaged{0};
  auto work = [this, &next, &damaged] {
    for (std::size_t i = next++; i < runs_.size(); i = next++) {
      LineReader in(runs_[i].lines, false);
      runs_[i].read = ReadButtons(in, runs_[i].count);
      damaged += in.Damaged();
    }
  };
  std::vector<std::thread> helpers;
  try {
    for (unsigned t = 1; t < threads; ++t) helpers.emplace_back(work);
  } catch (const std::system_error&) {
    // No more threads to be had: the ones running and this one do it all.
  }
  work();
  for (std::thread& t : helpers) t.join();
  // Lists are changed on this thread only: runs of one list may have been
  // read on different threads.
  for (ButtonRun& run : runs_) run.list->Adopt(run.first, std::move(run.read));
  runs_.clear();
  return damaged;
}

}  // namespace cvd
