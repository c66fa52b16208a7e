// Opening a file as the user does, through the main window: read, loaded
// into a new tab, coloured whole and its first screen painted, for 20 MB
// and 200 MB of the corpus. Beside the speed (MB_per_s) it counts the
// memory the open takes, in multiples of the file's size, because a large
// file that needs several copies of its text at once is what runs a
// machine out of memory: peak_x, the highest resident size during the open
// above what was resident before it; held_x, what stays resident while the
// tab is open; peak_total_x, the whole process's peak, which is what the
// user's machine pays: the corpus is made in a child process, so this one
// holds no text the editor would not. The tab is closed again after each
// open, untimed.
#include <benchmark/benchmark.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <optional>
#include <string>
#include <utility>

#include "app/file_commands.h"
#include "app/file_for_editing.h"
#include "app/ui/document_files.h"
#include "app/ui/document_tabs.h"
#include "colouring_texts.h"
#include "editor/ui/editor.h"
#include "qt_bench_main.h"
#include "shown_window.h"

namespace quillory {
namespace {

// A "VmRSS"-style line of /proc/self/status in bytes; 0 when missing.
double StatusBytes(const std::string& key) {
  std::ifstream status("/proc/self/status");
  std::string line;
  while (std::getline(status, line)) {
    if (line.rfind(key + ":", 0) == 0) {
      return std::stod(line.substr(key.size() + 1)) * 1024;
    }
  }
  return 0;
}

// Sets VmHWM back to the present resident size, so the peak seen next is
// this open's own; false where the kernel does not allow it.
bool ResetPeak() {
  std::ofstream clear_refs("/proc/self/clear_refs");
  clear_refs << "5";
  clear_refs.close();
  return !clear_refs.fail();
}

struct Figures {
  double seconds = 0;          // summed over the opens
  std::optional<double> peak;  // above the resident size before the open
  double held = 0;
  double peak_total = 0;
};

// Memory as the largest figures over the iterations: a later open may
// reuse memory that glibc kept from the tab closed before it, and look
// smaller.
void MeasureOpen(bench::ShownWindow& shown, const std::string& path,
                 benchmark::State& state, Figures& figures) {
  const bool peak_reset = ResetPeak();
  const double before = StatusBytes("VmRSS");
  QElapsedTimer timer;
  timer.start();
  shown.window.Commands().files.OpenFile(path, false);
  QCoreApplication::processEvents();
  shown.window.Commands().snapshots.rich.viewport()->repaint();
  const double seconds = static_cast<double>(timer.nsecsElapsed()) / 1e9;
  state.SetIterationTime(seconds);
  figures.seconds += seconds;
  const double peak = StatusBytes("VmHWM");
  if (peak_reset) {
    figures.peak = std::max(figures.peak.value_or(0), peak - before);
  }
  figures.held = std::max(figures.held, StatusBytes("VmRSS") - before);
  // The first open is the one a fresh start pays; later ones stand on
  // what the closed tab left to the allocator.
  if (figures.peak_total == 0) figures.peak_total = peak;
}

// The corpus's size in bytes once written to `path` by a child process;
// empty when the child failed.
std::optional<double> WriteCorpusApart(const char* size,
                                       const std::string& path) {
  const pid_t child = ::fork();
  if (child == 0) {
    std::ofstream file(path, std::ios::binary);
    file << bench::Corpus(size);
    file.close();
    ::_exit(file.fail() ? 1 : 0);
  }
  int status = 0;
  if (child < 0 || ::waitpid(child, &status, 0) != child ||
      !WIFEXITED(status) || WEXITSTATUS(status) != 0) {
    return std::nullopt;
  }
  return static_cast<double>(std::filesystem::file_size(path));
}

void OpenFile(benchmark::State& state, const char* size) {
  QTemporaryDir folder;
  const std::string path = folder.filePath("page.php").toStdString();
  const std::optional<double> bytes = WriteCorpusApart(size, path);
  if (!bytes) return state.SkipWithError("the corpus could not be written");
  // The question would wait for an answer that never comes.
  if (LongLineQuestion(path, SurveyFile(path).value().longest_line)) {
    return state.SkipWithError("a line over 1 MB: opening would ask first");
  }
  bench::ShownWindow shown;
  Figures figures;
  for (auto _ : state) {
    MeasureOpen(shown, path, state, figures);
    DocumentTabs& tabs = shown.window.Commands().snapshots.tabs;
    if (!tabs.At(tabs.ActiveSlot()).saved) {
      return state.SkipWithError("opened unsaved: closing would ask");
    }
    shown.window.Commands().files.Close();
    QCoreApplication::processEvents();
  }
  if (figures.peak) {
    state.counters["peak_x"] = *figures.peak / *bytes;
  } else {
    std::fprintf(stderr, "/proc/self/clear_refs not writable: no peak_x\n");
  }
  state.counters["held_x"] = figures.held / *bytes;
  state.counters["peak_total_x"] = figures.peak_total / *bytes;
  state.counters["MB_per_s"] =
      *bytes * static_cast<double>(state.iterations()) / 1e6 / figures.seconds;
}

void RegisterAll() {
  const std::pair<const char*, int> sizes[] = {{"20m", 3}, {"200m", 2}};
  for (const auto& [size, iterations] : sizes) {
    benchmark::RegisterBenchmark((std::string("OpenFile/") + size).c_str(),
                                 OpenFile, size)
        ->Unit(benchmark::kMillisecond)
        ->UseManualTime()
        ->Iterations(iterations);
  }
}

}  // namespace
}  // namespace quillory

int main(int argc, char** argv) {
  return quillory::bench::RunQtBenchmarks(argc, argv, quillory::RegisterAll);
}
