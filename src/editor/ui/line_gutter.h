#pragma once

#include <QSize>
#include <QWidget>

namespace quillory {

class Editor;

// The line-number gutter: a strip over the editor's left margin that shows
// the number of every visible line and highlights the selection's lines.
// The editor knows nothing of it; it is attached and detached from outside
// and lives as the editor's child, which holds all of its state.
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
  LineGutter(Editor* rich, int digits);

  void Relayout();
  void DrawFrame(QPainter& painter, int top, int bottom, bool focused);

  Editor* rich_;
  int num_digits_;
  int tray_width_ = 0;
};

}  // namespace quillory
