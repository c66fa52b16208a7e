// The longest stall of the user-interface thread while the recovery text of
// a large document is kept: the keeper's part (a copy of the editor's bytes
// handed to the writer's thread) beside writing it on that thread.
#include <benchmark/benchmark.h>

#include <stdlib.h>

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <string>

#include "app/recovery_store.h"
#include "app/recovery_writer.h"
#include "base/document_line_ends.h"
#include "editor/ui/editor.h"
#include "qt_bench_main.h"
#include "table_page.h"

namespace quillory {
namespace {

using Clock = std::chrono::steady_clock;

std::string StoreRoot() {
  std::string folder = "/tmp/quillory_recovery_bench_XXXXXX";
  return std::string(::mkdtemp(folder.data())) + "/";
}

// Reports each iteration's stall and the longest one in milliseconds.
template <typename Stall>
void MeasureStalls(benchmark::State& state, Stall stall) {
  Editor editor;
  editor.SetBytes(bench::TablePage(static_cast<size_t>(state.range(0)) << 20));
  const std::string root = StoreRoot();
  double longest = 0;
  {
    RecoveryWriter writer(root + "background/", nullptr);
    RecoveryStore store(root + "ui/");
    for (auto _ : state) {
      const auto start = Clock::now();
      stall(editor, writer, store);
      const std::chrono::duration<double> took = Clock::now() - start;
      state.SetIterationTime(took.count());
      longest = std::max(longest, took.count() * 1000);
      writer.Wait();
    }
  }
  state.counters["longest_ms"] = longest;
  std::filesystem::remove_all(root);
}

void BM_KeepInTheBackground(benchmark::State& state) {
  MeasureStalls(state,
                [](Editor& editor, RecoveryWriter& writer, RecoveryStore&) {
                  writer.Write(0, {"big.html", "/big.html", editor.Bytes()},
                               LineEnds::kAsStored);
                });
}

// How the text was kept before: copied, converted and written at once.
void BM_KeepOnTheUiThread(benchmark::State& state) {
  MeasureStalls(state,
                [](Editor& editor, RecoveryWriter&, RecoveryStore& store) {
                  benchmark::DoNotOptimize(store.Write(
                      0, {"big.html", "/big.html",
                          BytesToStore(editor.Bytes(), LineEnds::kAsStored)}));
                });
}

// Sizes in megabytes.
BENCHMARK(BM_KeepInTheBackground)
    ->Arg(20)
    ->Arg(200)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_KeepOnTheUiThread)
    ->Arg(20)
    ->Arg(200)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace quillory

int main(int argc, char** argv) {
  return quillory::bench::RunQtBenchmarks(argc, argv);
}
