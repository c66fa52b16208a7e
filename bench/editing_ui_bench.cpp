// Typing and replace all through the real main window and editor control:
// a typed character with its change handling (line colouring, unsaved
// marker, undo snapshot) at three caret places, a key press to the
// repainted editor, and replace all of 100,000 occurrences from the find
// window. Sizes 100 KB and 20 MB of the colouring corpus.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>

#include <memory>
#include <string>

#include "app/ui/document_tabs.h"
#include "app/ui/main_window.h"
#include "colouring_texts.h"
#include "editor/find_session.h"
#include "editor/ui/editor.h"
#include "editor/ui/find_window.h"
#include "platform/qt/app_environment.h"
#include "platform/qt/qt_dialogs.h"
#include "qt_bench_main.h"

namespace quillory {
namespace {

struct Session {
  Session()
      : window(AppEnvironmentFor(QUILLORY_PROGRAM_DIR), {dialogs, desktop}) {
    window.resize(1000, 700);
    window.show();
  }
  // Loads `text` as opening a file does: coloured whole, saved, with one
  // snapshot taken so the history follows every change.
  void Open(const std::string& text) {
    window.NewTab("big.php");
    {
      const ScopedFlag parsing(window.Guards().parsing_now);
      Rich().SetBytes(text);
      window.ColourWholeText();
    }
    window.CallRichChange();
    Slot().saved = true;
  }
  Editor& Rich() { return *window.ActiveEditor(); }
  Document& Slot() { return window.Tabs().At(window.Tabs().ActiveSlot()); }

  QtDialogs dialogs;
  QtDesktop desktop;
  MainWindow window;
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

// 20 MB in 200-byte lines, each with one "Quillory".
std::string HundredThousandOccurrences() {
  std::string line = "<tr><td class=\"name\">Quillory</td><td>";
  line += std::string(200 - line.size() - 12, 'w') + "</td></tr>\r\n";
  std::string text;
  text.reserve(100000 * line.size());
  for (int i = 0; i < 100000; ++i) text += line;
  return text;
}

void ReplaceAllFromWindow(benchmark::State& state) {
  Session session;
  session.Open(HundredThousandOccurrences());
  session.window.ShowFind(FindPanel::kReplace);
  auto* find = session.window.findChild<FindWindow*>("FindF");
  find->findChild<QLineEdit*>("Text2")->setText("QUILLORY");
  find->findChild<QLineEdit*>("Text3")->setText("Scribe");
  for (auto _ : state) find->findChild<QPushButton*>("Command3")->click();
  state.counters["replaced"] =
      static_cast<double>(session.Rich().Bytes().find("Quillory") ==
                          std::string::npos) *
      100000;
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
  benchmark::RegisterBenchmark("KeyToRepaint/middle/20m", KeyToRepaint,
                               &Corpus("20m"))
      ->Unit(benchmark::kMillisecond)
      ->Iterations(100);
  benchmark::RegisterBenchmark("ReplaceAllFromWindow/100000/20m",
                               ReplaceAllFromWindow)
      ->Unit(benchmark::kMillisecond)
      ->Iterations(1);
}

}  // namespace
}  // namespace quillory

int main(int argc, char** argv) {
  return quillory::bench::RunQtBenchmarks(argc, argv, quillory::RegisterAll);
}
