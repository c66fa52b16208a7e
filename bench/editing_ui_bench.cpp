// Typing and replace all through the real main window and editor control:
// a typed character with its change handling (line colouring, unsaved
// marker, undo snapshot) at three caret places, an entry of the tag lists
// put in at the caret as a typed key is, a key press to the
// repainted editor, a key and a scrolled line through the event loop that
// paints them, replace all of 100,000 occurrences in 20 MB and of 50,000 in
// 5 MB from the find window, and the word-wrap and line-number commands.
// Sizes 100 KB, 5 MB and 20 MB of the colouring corpus.
#include <benchmark/benchmark.h>

#include <QAction>
#include <QApplication>
#include <QElapsedTimer>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QWindow>

#include <memory>
#include <string>

#include "app/ui/aid_windows.h"
#include "app/ui/document_tabs.h"
#include "app/ui/main_window.h"
#include "colouring_texts.h"
#include "editor/find_session.h"
#include "editor/ui/editor.h"
#include "editor/ui/find_window.h"
#include "insert/ui/add_tag.h"
#include "qt_bench_main.h"
#include "shown_window.h"

namespace quillory {
namespace {

struct Session : bench::ShownWindow {
  // Loads `text` as opening a file does: coloured whole, saved, with one
  // snapshot taken so the history follows every change.
  void Open(const std::string& text) {
    window.NewTab("big.php");
    {
      const ScopedFlag parsing(window.Commands().snapshots.guards.parsing_now);
      Rich().SetBytes(text);
      window.ColourWholeText();
    }
    window.CallRichChange();
    Slot().saved = true;
  }
  Editor& Rich() { return window.Commands().snapshots.rich; }
  Document& Slot() {
    DocumentTabs& tabs = window.Commands().snapshots.tabs;
    return tabs.At(tabs.ActiveSlot());
  }
};

void PressX(Editor& rich) {
  QKeyEvent press(QEvent::KeyPress, Qt::Key_X, Qt::NoModifier, "x");
  QKeyEvent release(QEvent::KeyRelease, Qt::Key_X, Qt::NoModifier, "x");
  QApplication::sendEvent(&rich, &press);
  QApplication::sendEvent(&rich, &release);
}

// Every press finds the document saved, so each one draws the marker too.
void TypedCharacter(benchmark::State& state, const std::string* text,
                    std::string where) {
  Session session;
  session.Open(*text);
  const int caret = bench::CaretFor(*text, where);
  session.Rich().Select(caret, caret);
  for (auto _ : state) {
    session.Slot().saved = true;
    PressX(session.Rich());
  }
}

// "<br>" (the entry "br") from the tag panel's HTML list at the caret, to
// set beside TypedCharacter/middle/20m: both are one edit with its change
// handling, and the entry must cost at most twice the key.
void TagListEntry(benchmark::State& state, const std::string* text) {
  Session session;
  session.Open(*text);
  const int caret = bench::CaretFor(*text, "middle");
  session.Rich().Select(caret, caret);
  QAction& panel_command = *session.window.findChild<QAction*>("TagPanel");
  panel_command.setChecked(true);
  session.window.Commands().aids.ShowTagPanel(panel_command);
  auto* panel = session.window.findChild<AddTag*>("AddTag");
  panel->findChild<QListWidget*>("List1")->setCurrentRow(0);
  auto* entries = panel->findChild<QListWidget*>("List2");
  const int row = entries->row(entries->findItems("br", Qt::MatchExactly)[0]);
  // Taken out again untimed: a line that grows by four bytes a step would
  // make each step lay out a longer line than the typed key does.
  for (auto _ : state) {
    session.Slot().saved = true;
    panel->List2_DblClick(row);
    state.PauseTiming();
    session.Rich().ReplaceRange(caret, caret + 4, "");
    state.ResumeTiming();
  }
}

void KeyToRepaint(benchmark::State& state, const std::string* text) {
  Session session;
  session.Open(*text);
  const int caret = bench::CaretFor(*text, "middle");
  session.Rich().Select(caret, caret);
  for (auto _ : state) {
    PressX(session.Rich());
    session.Rich().viewport()->repaint();
  }
}

// One event-loop round after a key: the editor's paint and every paint that
// follows from it, the gutter's among them.
void KeyToScreen(benchmark::State& state, const std::string* text) {
  Session session;
  session.Open(*text);
  const int caret = bench::CaretFor(*text, "middle");
  session.Rich().Select(caret, caret);
  QApplication::processEvents();
  for (auto _ : state) {
    PressX(session.Rich());
    QApplication::processEvents();
  }
}

void LineScrollToScreen(benchmark::State& state, const std::string* text) {
  Session session;
  session.Open(*text);
  session.Rich().ScrollLines(1000);
  QApplication::processEvents();
  int step = 1;
  for (auto _ : state) {
    session.Rich().ScrollLines(step);
    step = -step;
    QApplication::processEvents();
  }
}

// A view command on 5 MB until every line is laid out, as the first caret
// move below the view would demand: "painted_ms" is when the editor first
// showed the result. The command that puts the view back is not timed.
void ViewCommand(benchmark::State& state, const char* command, bool undo,
                 bool wrapped) {
  Session session;
  session.Open(bench::Corpus("20m").substr(0, 5 << 20));
  Editor& rich = session.Rich();
  const auto run = [&](const char* name) {
    session.window.findChild<QAction*>(name)->trigger();
    QApplication::processEvents();
    rich.SendScintilla(
        QsciScintillaBase::SCI_ENSUREVISIBLE,
        rich.SendScintilla(QsciScintillaBase::SCI_GETLINECOUNT) - 1);
  };
  // Until its window is on screen, the editor does not paint.
  while (!session.window.windowHandle()->isExposed()) {
    QApplication::processEvents(QEventLoop::WaitForMoreEvents);
  }
  if (wrapped) run("Wrap");
  QElapsedTimer clock;
  double painted_ms = -1;
  QObject::connect(&rich, &QsciScintillaBase::SCN_PAINTED, [&] {
    if (painted_ms < 0) painted_ms = clock.nsecsElapsed() / 1e6;
  });
  double painted_total = 0;
  for (auto _ : state) {
    if (undo) {
      state.PauseTiming();
      run(command);
      state.ResumeTiming();
    }
    painted_ms = -1;
    clock.start();
    run(command);
    painted_total += painted_ms;
    if (!undo) {
      state.PauseTiming();
      run(command);
      state.ResumeTiming();
    }
  }
  state.counters["painted_ms"] =
      benchmark::Counter(painted_total, benchmark::Counter::kAvgIterations);
}

// `count` lines of `width` bytes, each with one "Quillory".
std::string Occurrences(int count, size_t width) {
  std::string line = "<tr><td class=\"name\">Quillory</td><td>";
  line += std::string(width - line.size() - 12, 'w') + "</td></tr>\r\n";
  std::string text;
  text.reserve(count * line.size());
  for (int i = 0; i < count; ++i) text += line;
  return text;
}

void ReplaceAllFromWindow(benchmark::State& state, int count, size_t width) {
  Session session;
  session.Open(Occurrences(count, width));
  session.window.Commands().aids.ShowFind(FindPanel::kReplace);
  auto* find = session.window.findChild<FindWindow*>("FindF");
  find->findChild<QLineEdit*>("Text2")->setText("QUILLORY");
  find->findChild<QLineEdit*>("Text3")->setText("Scribe");
  for (auto _ : state) find->findChild<QPushButton*>("Command3")->click();
  state.counters["replaced"] =
      static_cast<double>(session.Rich().Bytes().find("Quillory") ==
                          std::string::npos) *
      count;
}

void RegisterAll() {
  using bench::Corpus;
  for (const char* size : {"100k", "20m"}) {
    for (const char* where : {"start", "middle", "end"}) {
      const std::string name =
          std::string("TypedCharacter/") + where + "/" + size;
      benchmark::RegisterBenchmark(name.c_str(), TypedCharacter, &Corpus(size),
                                   std::string(where))
          ->Unit(benchmark::kMicrosecond)
          ->Iterations(300);
    }
  }
  benchmark::RegisterBenchmark("TagListEntry/middle/20m", TagListEntry,
                               &Corpus("20m"))
      ->Unit(benchmark::kMicrosecond)
      ->Iterations(300);
  benchmark::RegisterBenchmark("KeyToRepaint/middle/20m", KeyToRepaint,
                               &Corpus("20m"))
      ->Unit(benchmark::kMillisecond)
      ->Iterations(100);
  benchmark::RegisterBenchmark("KeyToScreen/middle/20m", KeyToScreen,
                               &Corpus("20m"))
      ->Unit(benchmark::kMillisecond)
      ->Iterations(100);
  benchmark::RegisterBenchmark("LineScrollToScreen/20m", LineScrollToScreen,
                               &Corpus("20m"))
      ->Unit(benchmark::kMillisecond)
      ->Iterations(100);
  struct ViewCase {
    const char* name;
    const char* command;
    bool undo;
    bool wrapped;
  };
  // Word wrap starts off and line numbers on.
  for (const ViewCase& view :
       {ViewCase{"Wrap/on/5m", "Wrap", false, false},
        ViewCase{"Wrap/off/5m", "Wrap", true, false},
        ViewCase{"setNum/off/5m", "setNum", false, false},
        ViewCase{"setNum/on/5m", "setNum", true, false},
        ViewCase{"setNum/off/wrapped/5m", "setNum", false, true},
        ViewCase{"setNum/on/wrapped/5m", "setNum", true, true}}) {
    benchmark::RegisterBenchmark(view.name, ViewCommand, view.command,
                                 view.undo, view.wrapped)
        ->Unit(benchmark::kMillisecond)
        ->Iterations(3);
  }
  benchmark::RegisterBenchmark("ReplaceAllFromWindow/100000/20m",
                               ReplaceAllFromWindow, 100000, 200)
      ->Unit(benchmark::kMillisecond)
      ->Iterations(1);
  benchmark::RegisterBenchmark("ReplaceAllFromWindow/50000/5m",
                               ReplaceAllFromWindow, 50000, 100)
      ->Unit(benchmark::kMillisecond)
      ->Iterations(1);
}

}  // namespace
}  // namespace quillory

int main(int argc, char** argv) {
  return quillory::bench::RunQtBenchmarks(argc, argv, quillory::RegisterAll);
}
