#pragma once

#include <QToolButton>

#include "insert/panel_buttons.h"

namespace quillory {

// One button of the tag panel or its toolbar row, bound to its entry of the
// button table. Flat until hovered; while the mouse button is held down it
// shows a single-line border as press feedback.
class PanelToolButton : public QToolButton {
  Q_OBJECT

 public:
  enum class BorderStyle { kNone = 0, kSingle = 1 };

  PanelToolButton(const PanelButton& entry, QWidget* parent);

  const PanelButton& Entry() const { return entry_; }
  // The tooltip, where the button has one, and the name a screen reader
  // gives it.
  void SetCaption(const QString& caption);
  BorderStyle Border() const { return border_; }

 protected:
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void paintEvent(QPaintEvent* event) override;

 private:
  void ShowFace();

  const PanelButton& entry_;
  BorderStyle border_ = BorderStyle::kNone;
};

}  // namespace quillory
