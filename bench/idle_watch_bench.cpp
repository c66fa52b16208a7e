// What the window costs while nothing happens: the CPU time of the whole
// process (every thread, CLOCK_PROCESS_CPUTIME_ID, the clock behind
// /proc/<pid>/stat's utime + stime at nanosecond resolution) over a second
// of idle event loop: no document, ten untitled ones, and ten whose files
// are watched. A watch that polled would show as the difference between
// the last two.
#include <benchmark/benchmark.h>

#include <QEventLoop>
#include <QTemporaryDir>
#include <QTimer>

#include <ctime>
#include <fstream>
#include <string>

#include "app/ui/document_files.h"
#include "app/ui/main_window.h"
#include "platform/qt/app_environment.h"
#include "platform/qt/freedesktop_file_types.h"
#include "platform/qt/qt_dialogs.h"
#include "qt_bench_main.h"

namespace quillory {
namespace {

double ProcessCpuSeconds() {
  timespec now{};
  clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
  return static_cast<double>(now.tv_sec) + now.tv_nsec * 1e-9;
}

void IdleFor(int milliseconds) {
  QEventLoop loop;
  QTimer::singleShot(milliseconds, &loop, &QEventLoop::quit);
  loop.exec();
}

struct Window {
  Window()
      : window(AppEnvironmentFor(folder.path().toStdString() + "/"),
               {dialogs, desktop, file_types}) {
    window.resize(1000, 700);
    window.show();
  }
  // Untitled ones have no file to watch: the editor's own idle cost.
  void NewDocuments(int count) {
    for (int i = 0; i < count; ++i) {
      window.NewTab("page" + std::to_string(i) + ".html");
    }
  }
  void OpenDocuments(int count) {
    for (int i = 0; i < count; ++i) {
      const std::string path =
          folder.path().toStdString() + "/page" + std::to_string(i) + ".html";
      std::ofstream(path) << "<p>page " << i << "</p>\n";
      window.Commands().files.OpenFile(path, false);
    }
  }
  QTemporaryDir folder;
  QtDialogs dialogs;
  QtDesktop desktop;
  FreedesktopFileTypes file_types{"quillory", Layout::kBuildFolder};
  MainWindow window;
};

// Manual time is the CPU time spent in one second of idling.
void MeasureIdle(benchmark::State& state) {
  IdleFor(500);  // the first paints and the watch's own start settle
  for (auto _ : state) {
    const double start = ProcessCpuSeconds();
    IdleFor(1000);
    state.SetIterationTime(ProcessCpuSeconds() - start);
  }
}

void BM_IdleUntitledDocuments(benchmark::State& state) {
  Window w;
  w.NewDocuments(static_cast<int>(state.range(0)));
  MeasureIdle(state);
}

void BM_IdleWatchedDocuments(benchmark::State& state) {
  Window w;
  w.OpenDocuments(static_cast<int>(state.range(0)));
  MeasureIdle(state);
}

BENCHMARK(BM_IdleUntitledDocuments)
    ->Arg(0)
    ->Arg(10)
    ->Iterations(5)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_IdleWatchedDocuments)
    ->Arg(10)
    ->Iterations(5)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace quillory

int main(int argc, char** argv) {
  return quillory::bench::RunQtBenchmarks(argc, argv);
}
