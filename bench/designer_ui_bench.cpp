// The visual form designer through the real main window and editor: the
// window from its menu command to its first paint (goal 150 ms), one
// pointer move of an element dragged over 200 others to the repainted
// canvas (goal 8 ms), and Insert To Code with all 1,608 slots present until
// the text is coloured in the editor (goal 50 ms).
#include <benchmark/benchmark.h>

#include <QAction>
#include <QApplication>
#include <QDropEvent>
#include <QMimeData>
#include <QMouseEvent>
#include <QPushButton>

#include <memory>

#include "app/ui/main_window.h"
#include "designer/design_model.h"
#include "designer/element_kind.h"
#include "designer/ui/toolbox.h"
#include "editor/ui/editor.h"
#include "qt_bench_main.h"
#include "shown_window.h"

namespace quillory {
namespace {

struct Session : bench::ShownWindow {
  Session() { window.NewTab("form.html"); }

  QWidget* OpenDesigner() {
    window.findChild<QAction*>("VisEd")->trigger();
    for (QWidget* top : QApplication::topLevelWidgets()) {
      if (top->objectName() == "VisualEditor" && top->isVisible()) return top;
    }
    return nullptr;
  }

  // The window frees itself on close; the main window comes back with it.
  static void CloseDesigner(QWidget* designer) {
    designer->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  }
};

// NOTE: the offscreen platform has no drag and drop, so the drop a
// toolbox drag ends in is sent to the canvas directly.
void Drop(QWidget* canvas, ElementKind kind, QPoint at) {
  const std::unique_ptr<QMimeData> data = ToolboxMimeData({kind, QPointF()});
  QDragEnterEvent enter(at, Qt::CopyAction, data.get(), Qt::LeftButton, {});
  QApplication::sendEvent(canvas, &enter);
  QDropEvent drop(at, Qt::CopyAction, data.get(), Qt::LeftButton, {});
  QApplication::sendEvent(canvas, &drop);
}

// `per_kind` elements of every kind, spread over the canvas.
void Fill(QWidget* canvas, int per_kind) {
  for (ElementKind kind : kElementKinds) {
    for (int i = 0; i < per_kind; ++i) {
      Drop(canvas, kind, QPoint(10 + (i * 37) % 500, 10 + (i * 23) % 400));
    }
  }
}

void BM_DesignerToFirstPaint(benchmark::State& state) {
  Session session;
  for (auto _ : state) {
    QWidget* designer = session.OpenDesigner();
    benchmark::DoNotOptimize(designer->grab());
    state.PauseTiming();
    Session::CloseDesigner(designer);
    state.ResumeTiming();
  }
}
BENCHMARK(BM_DesignerToFirstPaint)->Unit(benchmark::kMillisecond);

void SendMove(QWidget* target, QPointF at) {
  QMouseEvent move(QEvent::MouseMove, at, target->mapToGlobal(at), Qt::NoButton,
                   Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(target, &move);
}

// 200 elements, 25 of each kind; a button is held and moved back and forth
// by one pixel, each move handled and the canvas painted. "moved_px" shows
// the first move took the element with it.
void BM_DragMoveToRepaint(benchmark::State& state) {
  Session session;
  QWidget* designer = session.OpenDesigner();
  auto* canvas = designer->findChild<QWidget*>("Canvas");
  Fill(canvas, 25);
  QApplication::processEvents();
  QWidget* element = designer->findChild<QWidget*>("Button0");
  const QPointF grabbed(5, 5);
  QMouseEvent press(QEvent::MouseButtonPress, grabbed,
                    element->mapToGlobal(grabbed), Qt::LeftButton,
                    Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(element, &press);
  const QPoint start = element->pos();
  SendMove(element, grabbed + QPointF(1, 1));
  state.counters["moved_px"] = element->x() - start.x();
  int step = -1;
  for (auto _ : state) {
    SendMove(element, grabbed + QPointF(step, step));
    step = -step;
    QApplication::processEvents();
    benchmark::DoNotOptimize(canvas->grab());
  }
  Session::CloseDesigner(designer);
}
BENCHMARK(BM_DragMoveToRepaint)->Unit(benchmark::kMillisecond);

// Each round starts from an empty document and a designer holding every
// slot of every kind; a round is the press of Insert To Code and the
// editor's repaint, which shows the text coloured.
void BM_InsertToCodeColoured(benchmark::State& state) {
  Session session;
  Editor& rich = session.window.Commands().snapshots.rich;
  for (auto _ : state) {
    state.PauseTiming();
    rich.SetBytes("");
    QWidget* designer = session.OpenDesigner();
    Fill(designer->findChild<QWidget*>("Canvas"), kDesignSlots);
    designer->show();
    QApplication::processEvents();
    auto* insert = designer->findChild<QPushButton*>("Command2");
    state.ResumeTiming();
    insert->click();
    rich.viewport()->repaint();
    state.PauseTiming();
    state.counters["bytes"] = rich.Length();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    state.ResumeTiming();
  }
}
BENCHMARK(BM_InsertToCodeColoured)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(5);

}  // namespace
}  // namespace quillory

int main(int argc, char** argv) {
  return quillory::bench::RunQtBenchmarks(argc, argv);
}
