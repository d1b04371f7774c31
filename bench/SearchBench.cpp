// Button search over 100 groups x 1000 buttons with 100-byte texts: the
// time to the full result of a two-letter query, scanned in the slices the
// dialog uses, and the longest slice (the longest the dialog cannot answer
// typing). Counters: hits, slices, max_slice_ms.
// Run: build/corvinade_bench --benchmark_filter=Search
#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <random>
#include <string>
#include <vector>

#include "core/data/GroupTable.h"
#include "core/search/ButtonSearch.h"
#include "core/search/SearchScan.h"

namespace {

using namespace cvd;
using Clock = std::chrono::steady_clock;

const GroupTable& BigTable() {
  static const GroupTable table = [] {
    GroupTable t;
    std::mt19937 random(16);
    std::uniform_int_distribution<int> letter(0, 26);  // 26: a space
    for (int g = 1; g <= 100; ++g) {
      TGroup group = NewGroupDefaults("Group " + std::to_string(g), "");
      group.NumClipButtons = 100;
      group.NumPermButtons = 900;
      group.ResizeButtons();
      for (int b = 1; b <= 1000; ++b) {
        TButton button = group.Buttons[b];
        button.Name = "Button " + std::to_string(b);
        button.Text.resize(100);
        for (char& c : button.Text) c = static_cast<char>(letter(random) == 26 ? ' ' : 'a' + letter(random) % 26);
        group.Buttons.Set(b, button);
      }
      t.Groups.push_back(std::move(group));
      t.GroupList.push_back(t.Groups.back().Name);
    }
    return t;
  }();
  return table;
}

void SearchAllGroups(benchmark::State& state, const std::string& typed, bool caseSensitive) {
  const GroupTable& table = BigTable();
  double longestMs = 0;
  std::size_t hits = 0;
  int slices = 0;
  for (auto _ : state) {
    SearchScan scan;
    std::vector<SearchHit> found;
    scan.Begin(typed, SearchOptions{true, caseSensitive, true, true}, 0);
    slices = 0;
    bool done = false;
    while (!done) {
      const Clock::time_point start = Clock::now();
      done = scan.Step(table, found,
                       [&] { return Clock::now() - start >= std::chrono::milliseconds(ButtonSearch::kSliceMs); });
      longestMs = std::max(longestMs, std::chrono::duration<double, std::milli>(Clock::now() - start).count());
      ++slices;
    }
    hits = found.size();
    benchmark::DoNotOptimize(found.data());
  }
  state.counters["hits"] = static_cast<double>(hits);
  state.counters["slices"] = slices;
  state.counters["max_slice_ms"] = longestMs;
}

void BM_SearchTwoLetters(benchmark::State& state) { SearchAllGroups(state, "ab", false); }
void BM_SearchTwoLettersCaseSensitive(benchmark::State& state) { SearchAllGroups(state, "ab", true); }
// Every button's name holds it: the most rows a two-letter query can make.
void BM_SearchTwoLettersEveryButton(benchmark::State& state) { SearchAllGroups(state, "bu", false); }

BENCHMARK(BM_SearchTwoLetters)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SearchTwoLettersCaseSensitive)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SearchTwoLettersEveryButton)->Unit(benchmark::kMillisecond);

}  // namespace
