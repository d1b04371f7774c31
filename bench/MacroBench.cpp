// The cost of interpreting a 100-character key macro apart from its
// mandated pauses: a clock that only counts the pauses, a keyboard that
// only records. The "pauses_ms" counter is the typing time the pauses
// impose on a real keyboard.
#include <benchmark/benchmark.h>

#include <string>

#include "core/paste/DryRunKeyboard.h"
#include "core/paste/KeyMacroSender.h"

namespace {

class CountingClock : public cvd::EventLoop {
 public:
  std::unique_ptr<cvd::Timer> CreateTimer(int, bool, std::function<void()>) override { return nullptr; }
  void Post(std::function<void()>) override {}
  void ProcessEvents() override {}
  void Sleep(int ms) override { now_ += ms; }
  std::int64_t NowMs() const override { return now_; }

 private:
  std::int64_t now_ = 0;
};

std::string Macro(int kind) {
  switch (kind) {
    case 0: return std::string(100, 'a');  // plain letters
    case 1: return std::string(100, 'A');  // each needs Shift
    default: {
      std::string mixed;  // words, capitals, punctuation and tokens
      while (mixed.size() < 100) mixed += "Hello, world!{Tab}";
      return mixed.substr(0, 100);
    }
  }
}

void BM_SendString100(benchmark::State& state) {
  const std::string macro = Macro(static_cast<int>(state.range(0)));
  std::int64_t pauses = 0;
  for (auto _ : state) {
    CountingClock clock;
    cvd::DryRunKeyboard keyboard(clock);
    cvd::KeyMacroSender sender(keyboard, clock);
    sender.SendString(macro);
    pauses = clock.NowMs();
    benchmark::DoNotOptimize(keyboard.events.data());
  }
  state.counters["pauses_ms"] = static_cast<double>(pauses);
}
BENCHMARK(BM_SendString100)->Arg(0)->Arg(1)->Arg(2)->Unit(benchmark::kMicrosecond);

}  // namespace
