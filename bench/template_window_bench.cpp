// The template window from New to its first paint, with the eight shipped
// templates' worth of files and with a thousand; the goal is 300 ms.
#include <benchmark/benchmark.h>

#include <QPixmap>

#include <filesystem>
#include <fstream>
#include <string>

#include "base/lang_table.h"
#include "base/named_captions.h"
#include "platform/qt/qt_dialogs.h"
#include "projects/ui/template_window.h"
#include "qt_bench_main.h"

namespace quillory {
namespace {

namespace fs = std::filesystem;

// `count` templates of the kinds a user keeps, some without a "." at all.
std::string MakeTemplates(int count) {
  const std::string folder = fs::temp_directory_path().string() +
                             "/quillory-bench-templates-" +
                             std::to_string(count) + "/";
  fs::remove_all(folder);
  fs::create_directories(folder + "templates");
  const char* const types[] = {".html", ".css", ".js", ".php", ".txt", ""};
  for (int i = 0; i < count; ++i) {
    std::ofstream(folder + "templates/template " + std::to_string(i) +
                  types[i % 6])
        << "<p>template " << i << "</p>\r\n";
  }
  return folder;
}

void BM_TemplateWindowToFirstPaint(benchmark::State& state) {
  const std::string folder = MakeTemplates(static_cast<int>(state.range(0)));
  LangTable lang;
  NamedCaptions captions;
  QtDialogs dialogs(nullptr);
  const TemplateWindowHost host{
      nullptr,
      lang,
      captions,
      dialogs,
      TemplateFoldersOf(folder, folder + "user/"),
      [](const std::string&, std::string, const QIcon&) {}};
  for (auto _ : state) {
    auto* window = new TemplateWindow(host);
    window->show();
    benchmark::DoNotOptimize(window->grab());
    state.PauseTiming();
    delete window;
    state.ResumeTiming();
  }
  fs::remove_all(folder);
}
BENCHMARK(BM_TemplateWindowToFirstPaint)
    ->Arg(8)
    ->Arg(1000)
    ->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace quillory

int main(int argc, char** argv) {
  return quillory::bench::RunQtBenchmarks(argc, argv);
}
