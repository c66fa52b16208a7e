#pragma once

#include <QWidget>

#include <array>
#include <map>

#include "designer/design_model.h"

class QFrame;

namespace quillory {

// The designer's canvas: shows each present element as the widget it will
// become, at its rectangle, and the selection border. It turns drops and
// pointer events into signals in twips and keeps no element state of its
// own; the window changes the model and asks the canvas to show it.
class DesignCanvas : public QWidget {
  Q_OBJECT

 public:
  // `list_sample` is what the index-0 list shows as its sample entries.
  DesignCanvas(const DesignModel& model, QString list_sample, QWidget* parent);

  // Makes (or, for index 0, shows again) the element's widget. Check box,
  // radio and picture widgets take the canvas colour as their background.
  void Add(ElementKind kind, int index);
  // Destroys the element's widget; the index-0 widget is only hidden.
  void Remove(ElementKind kind, int index);
  // Moves and sizes the widget to the element's rectangle.
  void Place(ElementKind kind, int index);
  void ShowState(ElementKind kind, int index);
  // The widget of an element, null when it has none.
  QWidget* Widget(ElementKind kind, int index) const;
  // Shows the border around the element, or moves it to the element's
  // corner keeping its size.
  void ShowBorder(ElementKind kind, int index);
  void MoveBorder(ElementKind kind, int index);
  void HideBorder();
  void SetColour(uint32_t colour);

 signals:
  void Dropped(int kind_code, QPointF twips);
  void Pressed(int kind_code, int index, Qt::MouseButton button, QPointF twips);
  void PointerMoved(int kind_code, int index, QPointF twips);
  void Released(int kind_code, int index);
  void Clicked();
  void Resized();

 protected:
  void dragEnterEvent(QDragEnterEvent* event) override;
  void dragMoveEvent(QDragMoveEvent* event) override;
  void dropEvent(QDropEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  QWidget* Make(ElementKind kind, int index);
  bool ForwardPointer(ElementKind kind, int index, QEvent* event);

  const DesignModel& model_;
  QString list_sample_;
  std::array<std::map<int, QWidget*>, kElementKindCount> widgets_;
  QFrame* border_;
};

}  // namespace quillory
