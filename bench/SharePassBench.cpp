// A burst of lines in the share file from another computer: the time one
// read pass holds the event loop, its clips journalled one flush per line
// (arg 0) or one flush per pass (arg 1). Run it where the data folder would
// be (a real disk), not on a RAM disk.
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>

#include "core/journal/JournaledDataStore.h"
#include "core/ports/Ports.h"
#include "core/share/ShareSync.h"
#include "core/util/AtomicFile.h"

namespace {

void BM_SharePass(benchmark::State& state) {
  std::string folder = (std::filesystem::current_path() / "share-bench-XXXXXX").string();
  if (::mkdtemp(folder.data()) == nullptr) {
    state.SkipWithError("cannot make a folder here");
    return;
  }
  const cvd::Ports ports = cvd::WithNullPorts({});
  cvd::Directories dirs;
  dirs.DataDir = folder + "/";
  dirs.ShareDir = folder + "/";
  cvd::Settings settings;
  settings.ShareClipboard = true;
  settings.ShowShareMsg = false;
  cvd::GroupTable table;
  cvd::JournaledDataStore store(table, folder + "/", *ports.ui, *ports.loop);
  store.LoadData(dirs.DataDir, cvd::LegacyDisplay{});
  const bool onePerPass = state.range(1) != 0;
  cvd::ShareSync sync(table, settings, dirs, *ports.loop, *ports.ui, *ports.shell, *ports.folderWatch,
                      cvd::ShareHooks{{},
                                      {},
                                      {},
                                      {},
                                      [&](const cvd::TGroup& group, const std::string& text, auto fill) {
                                        if (onePerPass) {
                                          store.QueueFill(group, text, *fill);
                                        } else {
                                          store.RecordFill(group, text, *fill);
                                        }
                                      },
                                      [&] { store.Flush(); }});
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
    sync.ShareTimerTimer();
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
