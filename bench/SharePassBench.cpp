// A burst of lines in the share file from another computer: how long the
// event loop is held. Arg 1 = 1: the read pass as it runs (its first slice,
// journalled with one flush: the longest hold). Arg 1 = 0: every line taken
// at once with one flush each, as the pass once did. Run it where the data
// folder would be (a real disk), not on a RAM disk.
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <functional>
#include <memory>

#include "core/journal/JournaledDataStore.h"
#include "core/ports/Ports.h"
#include "core/share/ShareSync.h"
#include "core/util/AtomicFile.h"

namespace {

// Timers that never fire: the bench calls the pass itself.
class IdleLoop : public cvd::EventLoop {
  class IdleTimer : public cvd::Timer {
   public:
    void Start() override { active_ = true; }
    void Stop() override { active_ = false; }
    bool IsActive() const override { return active_; }
    void SetInterval(int ms) override { interval_ = ms; }
    int Interval() const override { return interval_; }

   private:
    bool active_ = false;
    int interval_ = 0;
  };

 public:
  std::unique_ptr<cvd::Timer> CreateTimer(int, bool, std::function<void()>) override {
    return std::make_unique<IdleTimer>();
  }
  void Post(std::function<void()>) override {}
  void ProcessEvents() override {}
  void Sleep(int) override {}
  std::int64_t NowMs() const override { return 0; }
};

void BM_SharePass(benchmark::State& state) {
  std::string folder = (std::filesystem::current_path() / "share-bench-XXXXXX").string();
  if (::mkdtemp(folder.data()) == nullptr) {
    state.SkipWithError("cannot make a folder here");
    return;
  }
  IdleLoop loop;
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
    if (onePerPass) {
      sync.ShareTimerTimer();
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
