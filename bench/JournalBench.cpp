// The cost of journalling one clip: one write of its line and fdatasync, on
// the disk of the current folder (run it where the data folder would be, not
// on a RAM disk). Reports the median and the worst of 1000 appends.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <vector>

#include "core/journal/ClipJournal.h"

namespace {

void BM_JournalAppend(benchmark::State& state) {
  std::string folder = (std::filesystem::current_path() / "journal-bench-XXXXXX").string();
  if (::mkdtemp(folder.data()) == nullptr) {
    state.SkipWithError("cannot make a folder here");
    return;
  }
  const std::string path = folder + "/corvinade.jnl";
  cvd::ClipJournal journal;
  journal.Reset(path, "bench");
  const cvd::JournalEntry entry{cvd::JournalKind::Fill, "Default", "caption",
                                std::string(static_cast<std::size_t>(state.range(0)), 'x')};
  std::vector<double> micros;
  for (auto _ : state) {
    const auto start = std::chrono::steady_clock::now();
    const bool ok = journal.Append(entry);
    const std::chrono::duration<double, std::micro> took = std::chrono::steady_clock::now() - start;
    if (!ok) state.SkipWithError("append failed");
    state.SetIterationTime(took.count() / 1e6);
    micros.push_back(took.count());
  }
  journal.Close();
  std::filesystem::remove_all(folder);
  std::sort(micros.begin(), micros.end());
  if (micros.empty()) return;
  state.counters["median_us"] = micros[micros.size() / 2];
  state.counters["worst_us"] = micros.back();
}
BENCHMARK(BM_JournalAppend)->Arg(100)->Arg(10000)->Iterations(1000)->UseManualTime()->Unit(benchmark::kMicrosecond);

}  // namespace
