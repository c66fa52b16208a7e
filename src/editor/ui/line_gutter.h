#pragma once

#include <QSize>
#include <QWidget>

#include <vector>

#include "editor/gutter_rules.h"

namespace quillory {

class Editor;

// The line-number gutter: a strip over the editor's left margin that shows
// the number of every visible line and highlights the selection's lines.
// The editor knows nothing of it; it is attached and detached from outside
// and lives as the editor's child, which holds all of its state. It paints
// only when what it shows changes, so an idle editor costs nothing.
class LineGutter : public QWidget {
  Q_OBJECT

 public:
  // On and not attached: attaches with `digits` (0 for the default). Off
  // and attached: detaches. Either way the editor's text area is laid out
  // again at once.
  static void Switch(Editor* rich, bool on, int digits);
  static LineGutter* Of(Editor* rich);

  // Size of NumDigits "0" characters in the editor's font, in pixels; the
  // completion list is placed with it.
  static QSize TextSize(Editor* rich);

  int NumDigits() const { return num_digits_; }
  int TrayWidth() const { return tray_width_; }

 protected:
  void paintEvent(QPaintEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  // What the strip shows: the visible lines' cells in the strip's pixels,
  // the highlighted lines and the focus that colours them.
  struct Picture {
    struct Cell {
      long line;
      int top;
      int bottom;
      bool operator==(const Cell&) const = default;
    };
    std::vector<Cell> cells;
    HighlightedLines marked;
    bool focused = false;
    bool operator==(const Picture&) const = default;
  };

  LineGutter(Editor* rich, int digits);

  void Relayout();
  Picture Measure() const;
  void Refresh();
  void DrawFrame(QPainter& painter, int top, int bottom, bool focused);

  Editor* rich_;
  int num_digits_;
  int tray_width_ = 0;
  Picture painted_;
};

}  // namespace quillory
