// Loading ten plug-ins as start-up does, each its own library file (copies
// of the two shipped ones), so every iteration loads ten libraries afresh:
// the start-up may grow by at most 20 ms, the marks written while each
// loads included.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <string>
#include <vector>

#include "app/plugin_marks.h"
#include "app/plugin_set.h"

namespace quillory {
namespace {

constexpr int kPlugins = 10;

void LoadTenPlugins(benchmark::State& state) {
  namespace fs = std::filesystem;
  const fs::path folder = fs::temp_directory_path() / "quillory_plugin_bench";
  fs::create_directories(folder);
  std::vector<std::string> entries;
  for (int i = 0; i < kPlugins; ++i) {
    const bool sort = i % 2 == 0;
    const std::string file = "plugin_" + std::to_string(i) + ".so";
    fs::copy_file(std::string(QUILLORY_PLUGINS_DIR) +
                      (sort ? "sort_lines.so" : "html_entities.so"),
                  folder / file, fs::copy_options::overwrite_existing);
    entries.push_back((sort ? "SortLines" : "HtmlEntities") +
                      std::string("\\\\\\") + file);
  }
  int loaded = 0;
  for (auto _ : state) {
    PluginSet plugins(PluginRegistrar(kRegistrationLimit, {}));
    // Marked on disk as start-up marks them, so their writes are counted.
    PluginMarks marks((folder / "plugin-marks").string());
    plugins.LoadEntries(folder.string() + "/", entries, marks);
    loaded = 0;
    for (int k = 0; k < plugins.Count(); ++k)
      loaded += plugins.Caption(k) ? 1 : 0;
  }
  state.counters["loaded"] = loaded;
  fs::remove_all(folder);
}
BENCHMARK(LoadTenPlugins)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace quillory

BENCHMARK_MAIN();
