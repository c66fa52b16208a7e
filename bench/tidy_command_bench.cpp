// HTML Tidy's repair of a 1 MB page through the menu command, from the
// choice until the new text is coloured and painted, next to the installed
// tidy run alone on the same page as a shell runs it, its page and its
// messages written to files. The difference is what the editor adds (goal:
// at most 60 ms).
//
// NOTE: tidy writes its messages to standard error a few bytes at a time,
// which costs it dearly wherever they go but /dev/null, so both runs keep
// them, and the page has few.
#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <spawn.h>
#include <stdlib.h>
#include <sys/wait.h>

#include <QAction>
#include <QCoreApplication>

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "app/ui/main_window.h"
#include "editor/editing_guards.h"
#include "editor/ui/editor.h"
#include "platform/qt/app_environment.h"
#include "platform/qt/freedesktop_file_types.h"
#include "platform/qt/qt_dialogs.h"
#include "qt_bench_main.h"
#include "tools/ui/tool_commands.h"

extern char** environ;

namespace quillory {
namespace {

using Clock = std::chrono::steady_clock;

constexpr size_t kPageSize = 1'000'000;

// A page of paragraphs and lists whose end tags are left out, which Tidy
// adds without a message, and at its end a few faults it does report.
std::string MessyPage() {
  std::string page = "<html><head><title>Bench</title></head><body>\r\n";
  for (int n = 0; page.size() < kPageSize; ++n) {
    const std::string id = std::to_string(n);
    page += "<p>Paragraph " + id + " of the page, with a <a href=\"p" + id +
            ".html\">link</a> and some words around it\r\n"
            "<ul><li>one item<li>another item</ul>\r\n";
  }
  return page +
         "<p>Some <b>bold <i>text</b> and <font color=red>old markup\r\n"
         "</body></html>\r\n";
}

double Milliseconds(Clock::duration duration) {
  return std::chrono::duration<double, std::milli>(duration).count();
}

// tidy -utf8 -q -c file >file.out 2>file.err
Clock::duration TidyAlone(const std::string& file) {
  const std::string output = file + ".out";
  const std::string errors = file + ".err";
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_addopen(&actions, 1, output.c_str(),
                                   O_WRONLY | O_CREAT | O_TRUNC, 0600);
  posix_spawn_file_actions_addopen(&actions, 2, errors.c_str(),
                                   O_WRONLY | O_CREAT | O_TRUNC, 0600);
  char* argv[] = {const_cast<char*>("tidy"),       const_cast<char*>("-utf8"),
                  const_cast<char*>("-q"),         const_cast<char*>("-c"),
                  const_cast<char*>(file.c_str()), nullptr};
  const Clock::time_point start = Clock::now();
  pid_t pid;
  if (posix_spawnp(&pid, "tidy", &actions, nullptr, argv, environ) == 0) {
    waitpid(pid, nullptr, 0);
  }
  const Clock::duration took = Clock::now() - start;
  posix_spawn_file_actions_destroy(&actions);
  return took;
}

void BM_TidyRepairThroughMenu(benchmark::State& state) {
  const std::string page = MessyPage();
  const std::string file =
      std::filesystem::temp_directory_path() / "quillory-tidy-bench.html";
  std::ofstream(file, std::ios::binary) << page;

  QtDialogs dialogs;
  QtDesktop desktop;
  FreedesktopFileTypes file_types{"quillory", Layout::kBuildFolder};
  MainWindow window(AppEnvironmentFor(QUILLORY_PROGRAM_DIR),
                    {dialogs, desktop, file_types});
  window.resize(1000, 700);
  window.show();
  window.NewTab("bench.html");
  Editor& rich = window.Commands().snapshots.rich;
  QAction* repair = window.findChild<QAction*>("repByTidy");

  double alone_ms = 0;
  double menu_ms = 0;
  for (auto _ : state) {
    {
      const ScopedFlag parsing(window.Commands().snapshots.guards.parsing_now);
      rich.SetBytes(page);
      window.ColourWholeText();
    }
    alone_ms += Milliseconds(TidyAlone(file));
    const Clock::time_point start = Clock::now();
    repair->trigger();
    while (window.Commands().tools.Running()) {
      QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    }
    rich.repaint();
    const Clock::duration took = Clock::now() - start;
    menu_ms += Milliseconds(took);
    state.SetIterationTime(std::chrono::duration<double>(took).count());
    if (rich.Length() < static_cast<int>(kPageSize)) {
      state.SkipWithError("Tidy wrote no page");
    }
  }
  for (const char* end : {"", ".out", ".err"}) {
    std::filesystem::remove(file + end);
  }
  const auto runs = static_cast<double>(state.iterations());
  std::printf(
      "1 MB repair: menu command %.1f ms, tidy alone %.1f ms; overhead "
      "%.1f ms (goal <= 60)\n",
      menu_ms / runs, alone_ms / runs, (menu_ms - alone_ms) / runs);
}
BENCHMARK(BM_TidyRepairThroughMenu)
    ->Unit(benchmark::kMillisecond)
    ->UseManualTime()
    ->Iterations(10);

}  // namespace
}  // namespace quillory

int main(int argc, char** argv) {
  // Only Tidy's defaults, whatever this machine's configuration says.
  setenv("HTML_TIDY", QUILLORY_TIDY_DEFAULTS, 1);
  return quillory::bench::RunQtBenchmarks(argc, argv);
}
