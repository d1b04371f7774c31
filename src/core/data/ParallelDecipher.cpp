#include "core/data/ParallelDecipher.h"

#include <algorithm>
#include <atomic>
#include <new>
#include <system_error>
#include <thread>

#include "core/data/GroupLines.h"
#include "core/data/LineFile.h"
#include "core/log/Log.h"

namespace cvd {

std::size_t ReadRun(ButtonRun& run) {
  LineReader in(run.lines, false);
  run.read = ReadButtons(in, run.count);
  std::size_t damaged = in.Damaged();
  if (run.hasColours) {
    LineReader colours(run.colours, false);
    for (std::size_t k = 0; k < run.count; ++k) {
      TColor font = DefaultFontColor(run.first + k, run.clips);
      TColor face = clBtnFace;
      SetIfNumber(font, colours);
      SetIfNumber(face, colours);
      run.read.SetFontColor(k, font);
      run.read.SetColor(k, face);
    }
    damaged += colours.Damaged();
  }
  return damaged;
}

std::size_t DecipherRuns(std::vector<ButtonRun>& runs, unsigned threads) {
  if (threads == 0) threads = std::clamp(std::thread::hardware_concurrency(), 1u, 8u);
  threads = static_cast<unsigned>(std::min<std::size_t>(threads, runs.size()));
  std::atomic<std::size_t> next{0};
  std::atomic<std::size_t> damaged{0};
  auto work = [&runs, &next, &damaged] {
    for (std::size_t i = next++; i < runs.size(); i = next++) {
      try {
        damaged += ReadRun(runs[i]);
      } catch (const std::bad_alloc&) {
        // The run is read again where its buttons are wanted.
        runs[i].read = ButtonList{};
        runs[i].failed = true;
      }
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
  return damaged;
}

std::size_t DeferredDecipher::Run(unsigned threads) {
  std::size_t damaged = DecipherRuns(runs_, threads);
  // Lists are changed on this thread only: runs of one list may have been
  // read on different threads.
  for (std::size_t i = 0; i < runs_.size(); ++i) {
    ButtonRun& run = runs_[i];
    if (run.failed) damaged += ReadRun(run);
    lists_[i]->Adopt(run.first, std::move(run.read), run.hasColours);
  }
  runs_.clear();
  lists_.clear();
  coloured_ = 0;
  return damaged;
}

DeferredDecipher DeferredDecipher::SplitOff(const ButtonList* keep) {
  DeferredDecipher kept;
  DeferredDecipher others;
  for (std::size_t i = 0; i < runs_.size(); ++i) {
    DeferredDecipher& to = lists_[i] == keep ? kept : others;
    to.runs_.push_back(std::move(runs_[i]));
    to.lists_.push_back(lists_[i]);
  }
  *this = std::move(kept);
  return others;
}

}  // namespace cvd
