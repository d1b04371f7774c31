// Time to switch the button window to another group and lay it out, with
// the program's own window, view and data loading, on the X server of
// $DISPLAY. Prints each switch and the medians of wall and CPU time (the
// CPU time is less at the mercy of other load on the machine).
// Usage: corvinade_groupswitch DATA_DIR [SWITCHES]
#include <QApplication>
#include <QElapsedTimer>
#include <QThread>
#include <QWindow>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <vector>

#include "BenchWindow.h"

namespace {
double CpuMs() {
  timespec now{};
  clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
  return static_cast<double>(now.tv_sec) * 1e3 + static_cast<double>(now.tv_nsec) / 1e6;
}

double Median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  return values[values.size() / 2];
}
}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) {
    std::fprintf(stderr, "usage: corvinade_groupswitch DATA_DIR [SWITCHES]\n");
    return 2;
  }
  std::string dir = argv[1];
  if (dir.back() != '/') dir += '/';
  const int switches = argc > 2 ? std::max(1, std::atoi(argv[2])) : 9;
  QApplication app(argc, argv);
  BenchWindow window(dir);
  cvd::Engine& engine = *window.engine;
  cvd::AppState& state = window.state;
  engine.FormCreate();
  // Until the window is mapped nothing is painted, and a switch would cost
  // only the layout.
  QElapsedTimer mapping;
  mapping.start();
  while (!(window.form.windowHandle() && window.form.windowHandle()->isExposed()) && mapping.elapsed() < 5000) {
    QApplication::processEvents();
    QThread::msleep(5);
  }
  if (!window.form.windowHandle() || !window.form.windowHandle()->isExposed())
    std::fprintf(stderr, "the window is not shown\n");
  QApplication::processEvents();
  const int groups = static_cast<int>(state.table.GroupList.size());
  std::vector<double> times;
  std::vector<double> cpuTimes;
  for (int i = 1; i <= switches; ++i) {
    QElapsedTimer clock;
    clock.start();
    const double cpuStart = CpuMs();
    engine.GroupListChange(i % groups);
    QApplication::processEvents();  // the layout is painted
    times.push_back(static_cast<double>(clock.nsecsElapsed()) / 1e6);
    cpuTimes.push_back(CpuMs() - cpuStart);
    std::printf("switch %d: %.1f ms, CPU %.1f ms\n", i, times.back(), cpuTimes.back());
  }
  std::printf("RESULT group_switch_ms %.1f\n", Median(times));
  std::printf("RESULT group_switch_cpu_ms %.1f\n", Median(cpuTimes));
  engine.FormDestroy();
  return 0;
}
