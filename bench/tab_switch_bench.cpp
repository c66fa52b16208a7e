// Tab switching, typing and memory of large documents in the real editor
// control, each beside the plain way of doing the same.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QKeyEvent>
#include <QTabBar>

#include <malloc.h>

#include <fstream>
#include <string>

#include "app/ui/document_tabs.h"
#include "app/ui/main_window.h"
#include "editor/ui/editor.h"
#include "platform/qt/app_environment.h"
#include "platform/qt/freedesktop_file_types.h"
#include "platform/qt/qt_dialogs.h"
#include "qt_bench_main.h"
#include "table_page.h"

namespace quillory {
namespace {

void StyleAll(Editor& editor, int style) {
  editor.SendScintilla(QsciScintillaBase::SCI_STARTSTYLING, 0UL);
  editor.SendScintilla(QsciScintillaBase::SCI_SETSTYLING,
                       static_cast<unsigned long>(editor.Length()),
                       static_cast<long>(style));
}

// The layout Scintilla expects for SCI_GETSTYLEDTEXT.
struct StyledRange {
  long start;
  long end;
  char* text;
};

// Memory in use: freed heap kept by the allocator is handed back first.
long ResidentBytes() {
  malloc_trim(0);
  std::ifstream statm("/proc/self/statm");
  long pages = 0, resident = 0;
  statm >> pages >> resident;
  return resident * 4096;
}

struct Window {
  Window()
      : window(AppEnvironmentFor("/tmp/"), {dialogs, desktop, file_types}) {
    window.resize(1000, 700);
    window.show();
  }
  void Open(size_t bytes, int style) {
    window.NewTab("big" + std::to_string(style) + ".html");
    window.Commands().snapshots.rich.SetBytes(bench::TablePage(bytes));
    StyleAll(window.Commands().snapshots.rich, style);
    window.Commands().snapshots.rich.Select(static_cast<int>(bytes / 2),
                                            static_cast<int>(bytes / 2));
  }
  QtDialogs dialogs;
  QtDesktop desktop;
  FreedesktopFileTypes file_types{"quillory", Layout::kBuildFolder};
  MainWindow window;
};

void BM_TabSwitchWithRepaint(benchmark::State& state) {
  Window w;
  w.Open(state.range(0), 1);
  w.Open(state.range(0), 2);
  auto* bar = w.window.findChild<QTabBar*>("MTab");
  int next = 0;
  for (auto _ : state) {
    bar->setCurrentIndex(next);
    w.window.Commands().snapshots.rich.viewport()->repaint();
    next = 1 - next;
  }
}
BENCHMARK(BM_TabSwitchWithRepaint)
    ->Arg(100 << 10)
    ->Arg(2 << 20)
    ->Arg(20 << 20)
    ->Unit(benchmark::kMillisecond);

// The plain way: the leaving document's text and styles copied out, the
// arriving one's copied in.
void BM_CopyTextAndStylesSwitch(benchmark::State& state) {
  Editor editor;
  editor.resize(900, 600);
  editor.show();
  const size_t size = state.range(0);
  editor.SetBytes(bench::TablePage(size));
  StyleAll(editor, 1);
  std::string other_styled(2 * size, '\x02');
  const std::string text = bench::TablePage(size);
  for (size_t i = 0; i < size; ++i) other_styled[2 * i] = text[i];
  for (auto _ : state) {
    std::string styled(2 * size + 2, '\0');
    StyledRange range{0, static_cast<long>(size), styled.data()};
    editor.SendScintilla(QsciScintillaBase::SCI_GETSTYLEDTEXT, 0UL, &range);
    editor.SendScintilla(QsciScintillaBase::SCI_CLEARALL);
    editor.SendScintilla(QsciScintillaBase::SCI_ADDSTYLEDTEXT,
                         static_cast<unsigned long>(other_styled.size()),
                         other_styled.data());
    editor.viewport()->repaint();
    other_styled.swap(styled);
    other_styled.resize(2 * size);
  }
}
BENCHMARK(BM_CopyTextAndStylesSwitch)
    ->Arg(100 << 10)
    ->Arg(2 << 20)
    ->Arg(20 << 20)
    ->Unit(benchmark::kMillisecond);

void BM_OpenDocumentMemory(benchmark::State& state) {
  const size_t size = state.range(0);
  for (auto _ : state) {
    Window w;
    w.window.Commands().snapshots.rich.viewport()->repaint();
    const long before = ResidentBytes();
    w.Open(size, 1);
    w.window.Commands().snapshots.rich.viewport()->repaint();
    state.counters["bytes_per_text_byte"] =
        static_cast<double>(ResidentBytes() - before) / size;
  }
}
BENCHMARK(BM_OpenDocumentMemory)
    ->Arg(20 << 20)
    ->Iterations(1)
    ->Unit(benchmark::kMillisecond);

// One character typed and erased with the caret in the middle, through
// real key events.
template <typename Control>
void TypeInTheMiddle(benchmark::State& state, Control& control) {
  control.resize(900, 600);
  control.show();
  const std::string text = bench::TablePage(state.range(0));
  control.SendScintilla(QsciScintillaBase::SCI_APPENDTEXT,
                        static_cast<uintptr_t>(text.size()), text.data());
  control.SendScintilla(QsciScintillaBase::SCI_GOTOPOS, text.size() / 2);
  QKeyEvent type(QEvent::KeyPress, Qt::Key_A, Qt::NoModifier, "a");
  QKeyEvent erase(QEvent::KeyPress, Qt::Key_Backspace, Qt::NoModifier);
  for (auto _ : state) {
    QApplication::sendEvent(&control, &type);
    QApplication::sendEvent(&control, &erase);
  }
  state.SetItemsProcessed(2 * state.iterations());
}

void BM_TypeInQuilloryEditor(benchmark::State& state) {
  Editor editor;
  TypeInTheMiddle(state, editor);
}
BENCHMARK(BM_TypeInQuilloryEditor)
    ->Arg(100 << 10)
    ->Arg(20 << 20)
    ->Unit(benchmark::kMicrosecond);

void BM_TypeInStockScintilla(benchmark::State& state) {
  QsciScintillaBase stock;
  stock.SendScintilla(QsciScintillaBase::SCI_SETUNDOCOLLECTION, 0UL);
  TypeInTheMiddle(state, stock);
}
BENCHMARK(BM_TypeInStockScintilla)
    ->Arg(100 << 10)
    ->Arg(20 << 20)
    ->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace quillory

int main(int argc, char** argv) {
  return quillory::bench::RunQtBenchmarks(argc, argv);
}
