// The cost of one capture in a group of 1000 clip buttons: the duplicate
// search over every clip and the shift of every record.
#include <benchmark/benchmark.h>

#include "core/clipboard/ClipFill.h"

namespace {

cvd::TGroup FullGroup(int clips, int copyDups) {
  cvd::TGroup g = cvd::NewGroupDefaults("G", "/x/");
  g.CopyDups = copyDups;
  cvd::SetNewNumClipButtons(g, clips);
  for (int b = 1; b <= clips; ++b) g.Buttons.SetText(b, std::string(100, 'a') + std::to_string(b));
  return g;
}

std::string Caption(const std::string& text) { return text.substr(0, 12); }

void BM_CaptureNewClip(benchmark::State& state) {
  cvd::TGroup g = FullGroup(static_cast<int>(state.range(0)), cvd::cdDontCopy);
  long serial = 0;
  for (auto _ : state) {
    auto r = cvd::FillClip(g, std::string(100, 'b') + std::to_string(++serial), Caption);
    benchmark::DoNotOptimize(r);
  }
}
BENCHMARK(BM_CaptureNewClip)->Arg(5)->Arg(1000);

void BM_CaptureMoveDuplicate(benchmark::State& state) {
  cvd::TGroup g = FullGroup(1000, cvd::cdMove);
  for (auto _ : state) {
    // The oldest clip moves to the top each time: the longest search and move.
    auto r = cvd::FillClip(g, g.Buttons[1000].Text, Caption);
    benchmark::DoNotOptimize(r);
  }
}
BENCHMARK(BM_CaptureMoveDuplicate);

}  // namespace
