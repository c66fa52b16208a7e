#include "qt_bench_main.h"

#include <benchmark/benchmark.h>

#include <QApplication>

#include "app/large_blocks.h"

namespace quillory::bench {

int RunQtBenchmarks(int argc, char** argv, void (*register_all)()) {
  ReturnLargeBlocksWhenFreed();  // as the program does
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
  }
  QApplication application(argc, argv);
  if (register_all != nullptr) register_all();
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}

}  // namespace quillory::bench
