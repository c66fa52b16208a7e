// Printing a coloured document to PDF through the real editor control:
// pages per second, and the memory printing takes beside the text's size.
#include <benchmark/benchmark.h>

#include <malloc.h>

#include <algorithm>
#include <fstream>
#include <string>

#include "app/ui/main_window.h"
#include "base/lang_table.h"
#include "base/named_captions.h"
#include "editor/ui/editor.h"
#include "insert/ui/printing.h"
#include "platform/qt/app_environment.h"
#include "qt_bench_main.h"
#include "support/fake_dialogs.h"
#include "table_page.h"

namespace quillory {
namespace {

long ResidentBytes() {
  std::ifstream statm("/proc/self/statm");
  long pages = 0, resident = 0;
  statm >> pages >> resident;
  return resident * 4096;
}

// Each page after the first is announced: there the peak is sampled.
class PageWatch : public testing::FakeDialogs {
 public:
  void ShowMessage(const std::string&, MessageIcon) override {
    ++pages;
    peak = std::max(peak, ResidentBytes());
  }
  int pages = 1;
  long peak = 0;
};

void BM_PrintToPdf(benchmark::State& state) {
  const size_t size = state.range(0);
  testing::FakeDesktop desktop;
  testing::FakeFileTypes file_types;
  PageWatch dialogs;
  MainWindow window(AppEnvironmentFor("/tmp/"), {dialogs, desktop, file_types});
  window.NewTab("big.html");
  window.Commands().snapshots.rich.SetBytes(bench::TablePage(size));
  window.ColourWholeText();
  const std::string pdf = "/tmp/quillory-print-bench.pdf";
  // The program folder holds no languages, so the window's table is empty.
  const LangTable lang;
  const NamedCaptions captions;
  for (auto _ : state) {
    malloc_trim(0);
    const long before = ResidentBytes();
    dialogs.pages = 1;
    dialogs.peak = before;
    dialogs.print_targets.push_back(PrintTarget{PrintOutput::kPdfFile, pdf});
    PrintDocument({window.Commands().snapshots.rich, dialogs, lang, captions},
                  PrintMargins{}, "/tmp/big.html");
    state.counters["pages"] = dialogs.pages;
    state.counters["peak_bytes_per_text_byte"] =
        static_cast<double>(dialogs.peak - before) / size;
  }
  state.counters["pages_per_second"] = benchmark::Counter(
      dialogs.pages * state.iterations(), benchmark::Counter::kIsRate);
}
BENCHMARK(BM_PrintToPdf)
    ->Arg(100 << 10)
    ->Arg(2 << 20)
    ->Arg(20 << 20)
    ->Iterations(1)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

}  // namespace
}  // namespace quillory

int main(int argc, char** argv) {
  return quillory::bench::RunQtBenchmarks(argc, argv);
}
