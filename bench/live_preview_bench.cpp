// The live preview beside the source: a typed character through the main
// window with the live preview off and on (goal: within 10%), from the end
// of the typing pause to the new page loaded, shown from a file and through
// PHP's built-in server (goals: 150 ms and 300 ms for 100 KB), and the
// memory of the program with its browser processes after 1,000 refreshes
// against after 50 (goal: at most 10% more).
#include <benchmark/benchmark.h>
#include <stdlib.h>
#include <unistd.h>

#include <QAction>
#include <QApplication>
#include <QElapsedTimer>
#include <QKeyEvent>
#include <QSignalSpy>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <map>
#include <memory>
#include <string>

#include "app/ui/document_tabs.h"
#include "colouring_texts.h"
#include "editor/ui/editor.h"
#include "qt_bench_main.h"
#include "shown_window.h"
#include "tools/ui/live_preview.h"
#include "tools/ui/page_view_loader.h"

namespace quillory {
namespace {

void Spin(int ms) {
  QElapsedTimer clock;
  clock.start();
  while (clock.elapsed() < ms) {
    QApplication::processEvents(QEventLoop::AllEvents, ms);
  }
}

void TypedCharacter(benchmark::State& state, const std::string* text,
                    bool live) {
  bench::ShownWindow session;
  session.window.NewTab("big.html");
  Editor& rich = session.window.Commands().snapshots.rich;
  rich.SetBytes(*text);
  session.window.ColourWholeText();
  session.window.CallRichChange();
  QAction* live_preview = session.window.findChild<QAction*>("LivePreview");
  if (live_preview->isChecked() != live) live_preview->trigger();
  Spin(2000);  // the first page is loaded, the web engine started
  rich.Select(text->size() / 2, text->size() / 2);
  for (auto _ : state) {
    QKeyEvent press(QEvent::KeyPress, Qt::Key_X, Qt::NoModifier, "x");
    QKeyEvent release(QEvent::KeyRelease, Qt::Key_X, Qt::NoModifier, "x");
    QApplication::sendEvent(&rich, &press);
    QApplication::sendEvent(&rich, &release);
    QApplication::processEvents();
  }
  if (live_preview->isChecked()) live_preview->trigger();
}

// About 100 KB of table rows; with PHP, each cell is PHP's.
std::string TablePage(bool php) {
  std::string page = "<html><body><table>\n";
  for (int row = 0; page.size() < 100 * 1024; ++row) {
    page += "<tr><td>row " + std::to_string(row) + "</td><td>" +
            (php ? "<?php echo 40 + 2; ?>" : "42") + "</td></tr>\n";
  }
  return page + "</table></body></html>\n";
}

// The preview alone, on its own folders and settings.
struct Preview {
  explicit Preview(bool php) : folder(MakeFolder()) {
    settings.php = "php";
    if (php) {
      settings.is_http_server = -1;
      settings.path_to_httpd = folder + "www";
      std::filesystem::create_directories(settings.path_to_httpd);
    }
    source = {php ? folder + "www/page.php" : folder + "page.html", false,
              TablePage(php), php ? DocumentKind::kPhp : DocumentKind::kHtml};
    live = std::make_unique<LivePreview>(
        LivePreviewHost{[this] { return std::optional(source); }, settings,
                        folder, &LoadPageView, captions},
        nullptr);
    live->resize(600, 600);
    live->show();
    live->SetOn(true);
    loads = std::make_unique<QSignalSpy>(live->findChild<QWidget*>("LiveWeb"),
                                         SIGNAL(loadFinished(bool)));
    loads->wait(10000);
  }
  ~Preview() {
    live.reset();
    std::filesystem::remove_all(folder);
  }
  static std::string MakeFolder() {
    std::string folder = "/tmp/quillory-live-bench-XXXXXX";
    return std::string(mkdtemp(folder.data())) + "/";
  }
  // Changes the text and refreshes at once, as the end of a pause does;
  // returns when the page has loaded.
  void RefreshAndWait() {
    source.text += " ";
    loads->clear();
    live->Switched();
    // A load that a later one cancelled ends too, unsuccessfully.
    while (loads->empty() || !loads->last().at(0).toBool()) {
      if (!loads->wait(20000)) std::abort();
    }
  }

  std::string folder;
  Settings settings;
  NamedCaptions captions;
  PreviewSource source;
  std::unique_ptr<LivePreview> live;
  std::unique_ptr<QSignalSpy> loads;
};

// NOTE: refreshes follow pauses in typing, so two start at least a pause
// apart, as here; back to back, each would also pay for the
// drawing that the page before it still had under way.
void PauseToPage(benchmark::State& state, bool php) {
  Preview preview(php);
  QElapsedTimer since_refresh;
  since_refresh.start();
  for (auto _ : state) {
    state.PauseTiming();
    const qint64 pause = LivePreview::kTypingPause.count();
    Spin(
        static_cast<int>(std::max<qint64>(0, pause - since_refresh.elapsed())));
    since_refresh.restart();
    state.ResumeTiming();
    preview.RefreshAndWait();
  }
}

// What the program and every process it started hold in memory, in MB.
double ResidentMb() {
  std::map<int, int> parent_of;
  for (const auto& entry : std::filesystem::directory_iterator("/proc")) {
    const std::string name = entry.path().filename();
    if (name.find_first_not_of("0123456789") != std::string::npos) continue;
    std::ifstream stat(entry.path() / "stat");
    std::string line;
    std::getline(stat, line);
    const size_t after_name = line.rfind(')');
    if (after_name == std::string::npos) continue;
    char state_letter = 0;
    int parent = 0;
    std::sscanf(line.c_str() + after_name + 1, " %c %d", &state_letter,
                &parent);
    parent_of[std::stoi(name)] = parent;
  }
  const auto ours = [&](int pid) {
    for (int at = pid; at > 1; at = parent_of.count(at) ? parent_of[at] : 0) {
      if (at == getpid()) return true;
    }
    return false;
  };
  double pages = 0;
  for (const auto& [pid, parent] : parent_of) {
    if (!ours(pid)) continue;
    std::ifstream statm("/proc/" + std::to_string(pid) + "/statm");
    double size = 0, resident = 0;
    statm >> size >> resident;
    pages += resident;
  }
  return pages * sysconf(_SC_PAGESIZE) / (1024.0 * 1024.0);
}

void MemoryAfterRefreshes(benchmark::State& state) {
  Preview preview(false);
  for (auto _ : state) {
    double after_50 = 0;
    for (int refresh = 1; refresh <= 1000; ++refresh) {
      preview.RefreshAndWait();
      if (refresh == 50) after_50 = ResidentMb();
    }
    const double after_1000 = ResidentMb();
    state.counters["rss_50_mb"] = after_50;
    state.counters["rss_1000_mb"] = after_1000;
    state.counters["growth_pct"] = (after_1000 / after_50 - 1) * 100;
  }
}

void RegisterAll() {
  // The window keeps the split in a state folder of the benchmark's own.
  static const std::string state = Preview::MakeFolder();
  setenv("XDG_STATE_HOME", state.c_str(), 1);
  for (const char* size : {"100k", "2m"}) {
    for (const bool live : {false, true}) {
      const std::string name =
          std::string("TypedCharacter/") + (live ? "live/" : "alone/") + size;
      benchmark::RegisterBenchmark(name.c_str(), TypedCharacter,
                                   &bench::Corpus(size), live)
          ->Unit(benchmark::kMicrosecond)
          ->Iterations(300);
    }
  }
  benchmark::RegisterBenchmark("PauseToPage/file/100k", PauseToPage, false)
      ->Unit(benchmark::kMillisecond)
      ->Iterations(30);
  benchmark::RegisterBenchmark("PauseToPage/php/100k", PauseToPage, true)
      ->Unit(benchmark::kMillisecond)
      ->Iterations(30);
  benchmark::RegisterBenchmark("MemoryAfterRefreshes/1000",
                               MemoryAfterRefreshes)
      ->Unit(benchmark::kSecond)
      ->Iterations(1);
}

}  // namespace
}  // namespace quillory

int main(int argc, char** argv) {
  return quillory::bench::RunQtBenchmarks(argc, argv, &quillory::RegisterAll);
}
