// A burst of lines in the share file from another computer: how long the
// event loop is held. Arg 1 = 1: the read pass as it runs, in slices each
// journalled with one flush (longest_ms: the longest hold). Arg 1 = 0: every line taken
// at once with one flush each, as the pass once did. Run it where the data
// folder would be (a real disk), not on a RAM disk.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <memory>

#include "core/journal/JournaledDataStore.h"
#include "core/ports/Ports.h"
#include "core/ports/Ui.h"
#include "core/share/ShareSync.h"
#include "core/util/AtomicFile.h"
#include "support/FakeEventLoop.h"

namespace {

void BM_SharePass(benchmark::State& state) {
  std::string folder = (std::filesystem::current_path() / "share-bench-XXXXXX").string();
  if (::mkdtemp(folder.data()) == nullptr) {
    state.SkipWithError("cannot make a folder here");
    return;
  }
  cvd::test::FakeEventLoop loop;
  cvd::Ports ports;
  ports.loop = &loop;
  ports = cvd::WithNullPorts(ports);
  cvd::Directories dirs;
  dirs.DataDir = folder + "/";
  dirs.ShareDir = folder + "/";
  cvd::Settings settings;
  settings.ShareClipboard = true;
  settings.ShowShareMsg = false;
  cvd::GroupTable table;
  cvd::JournaledDataStore store(table, folder + "/", *ports.ui, *ports.ui, *ports.loop);
  store.LoadData(dirs.DataDir, cvd::LegacyDisplay{});
  const bool onePerPass = state.range(1) != 0;
  cvd::ShareSync sync(table, settings, dirs, *ports.loop, *ports.ui, *ports.ui, *ports.shell, *ports.folderWatch,
                      cvd::ShareHooks{.editorShowing = [] { return false; },
                                      .pasting = [] { return false; },
                                      .makeCaption = [](const std::string& text) { return text; },
                                      .display = [] {},
                                      .filled =
                                          [&](const cvd::TGroup& group, const std::string& text, auto fill) {
                                            if (onePerPass) {
                                              store.QueueFill(group, text, *fill);
                                            } else {
                                              store.RecordFill(group, text, *fill);
                                            }
                                          },
                                      .passDone = [&] { store.Flush(); }});
  table.Current().CopyDups = cvd::cdDontCopy;  // every line goes through a fill
  std::string burst;
  for (int i = 0; i < state.range(0); ++i) {
    burst += cvd::MakeShareLine("peer", table.Current().Name, "shared clip number " + std::to_string(i));
  }
  for (auto _ : state) {
    state.PauseTiming();
    cvd::WriteFileAtomically(cvd::ShareFilePath(dirs.ShareDir), burst, nullptr);
    settings.ShareLine = 0;
    sync.ShareDirChanged();
    state.ResumeTiming();
    if (onePerPass) {
      // Each step of the loop is one hold of the window: the longest counts.
      double longest = 0;
      for (int step = 0; step < 1000; ++step) {
        const auto start = std::chrono::steady_clock::now();
        if (step == 0) {
          sync.ShareTimerTimer();
        } else {
          loop.AdvanceBy(1);
        }
        const std::chrono::duration<double, std::milli> took = std::chrono::steady_clock::now() - start;
        longest = std::max(longest, took.count());
        if (settings.ShareLine >= state.range(0)) break;
      }
      state.counters["longest_ms"] = longest;
    } else {
      for (const std::string& line : cvd::ReadShareFile(cvd::ShareFilePath(dirs.ShareDir), 0, nullptr).lines) {
        const auto entry = cvd::ParseShareLine(line);
        sync.FillButton(table.FindGroup(entry->group), entry->text, false);
      }
    }
  }
  std::filesystem::remove_all(folder);
}
BENCHMARK(BM_SharePass)
    ->Args({5000, 0})
    ->Args({5000, 1})
    ->Args({20000, 0})
    ->Args({20000, 1})
    ->Iterations(3)
    ->Unit(benchmark::kMillisecond);

}  // namespace
