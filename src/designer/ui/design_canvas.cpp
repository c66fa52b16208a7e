#include "designer/ui/design_canvas.h"

#include <QDropEvent>
#include <QFrame>
#include <QMimeData>
#include <QMouseEvent>

#include <cmath>

#include "base/twips.h"
#include "designer/ui/element_widgets.h"
#include "designer/ui/toolbox.h"

namespace quillory {
namespace {

constexpr char kKindProperty[] = "designerKind";
constexpr char kIndexProperty[] = "designerIndex";

int Pixels(float twips) {
  return static_cast<int>(std::lround(twips / kTwipsPerPixel));
}

QRect PixelRect(float left, float top, float width, float height) {
  return QRect(Pixels(left), Pixels(top), Pixels(width), Pixels(height));
}

QPointF Twips(QPointF pixels) { return pixels * kTwipsPerPixel; }

QColor ToQColor(uint32_t bgr) {
  return QColor(bgr & 0xFF, (bgr >> 8) & 0xFF, (bgr >> 16) & 0xFF);
}

bool TakesCanvasColour(ElementKind kind) {
  return kind == ElementKind::kCheck || kind == ElementKind::kRadio ||
         kind == ElementKind::kImage;
}

}  // namespace

DesignCanvas::DesignCanvas(const DesignModel& model, QString list_sample,
                           QWidget* parent)
    : QWidget(parent),
      model_(model),
      list_sample_(std::move(list_sample)),
      border_(new QFrame(this)) {
  setObjectName("Canvas");
  setAcceptDrops(true);
  // A click on the canvas or an element takes the focus from the fields,
  // which gives the Delete key back to the designer.
  setFocusPolicy(Qt::ClickFocus);
  border_->setObjectName("SelectionBorder");
  border_->setFrameStyle(QFrame::Box | QFrame::Plain);
  border_->setStyleSheet("color: #0060C0;");
  border_->setAttribute(Qt::WA_TransparentForMouseEvents);
  border_->hide();
  SetColour(model.CanvasState().colour);
}

QWidget* DesignCanvas::Make(ElementKind kind, int index) {
  const QString sample = index == 0 ? list_sample_ : QString();
  QWidget* widget = MakeKindWidget(kind, {}, sample, this);
  widget->setObjectName(QString::fromUtf8(InfoOf(kind).type_text) +
                        QString::number(index));
  widget->setProperty(kKindProperty, CodeOf(kind));
  widget->setProperty(kIndexProperty, index);
  widget->setFocusPolicy(Qt::NoFocus);
  for (QWidget* child : widget->findChildren<QWidget*>()) {
    child->setAttribute(Qt::WA_TransparentForMouseEvents);
  }
  widget->installEventFilter(this);
  return widget;
}

void DesignCanvas::Add(ElementKind kind, int index) {
  QWidget*& widget = widgets_[CodeOf(kind)][index];
  if (!widget) widget = Make(kind, index);
  if (TakesCanvasColour(kind)) {
    SetBackground(*widget, ToQColor(model_.CanvasState().colour));
  }
  ShowState(kind, index);
  Place(kind, index);
  widget->show();
  widget->raise();
}

void DesignCanvas::Remove(ElementKind kind, int index) {
  auto& widgets = widgets_[CodeOf(kind)];
  const auto found = widgets.find(index);
  if (found == widgets.end()) return;
  if (index == 0) {
    found->second->hide();
    return;
  }
  delete found->second;
  widgets.erase(found);
}

void DesignCanvas::Place(ElementKind kind, int index) {
  const DesignElement& e = model_.At(kind, index);
  if (QWidget* widget = Widget(kind, index)) {
    widget->setGeometry(PixelRect(e.left, e.top, e.width, e.height));
  }
}

void DesignCanvas::ShowState(ElementKind kind, int index) {
  if (QWidget* widget = Widget(kind, index)) {
    ShowElementState(*widget, kind, model_.At(kind, index));
  }
}

QWidget* DesignCanvas::Widget(ElementKind kind, int index) const {
  const auto& widgets = widgets_[CodeOf(kind)];
  const auto found = widgets.find(index);
  return found == widgets.end() ? nullptr : found->second;
}

// The border reaches 50 twips beyond the element's left and top edges and
// 30 beyond its right and bottom ones.
void DesignCanvas::ShowBorder(ElementKind kind, int index) {
  const DesignElement& e = model_.At(kind, index);
  border_->setGeometry(
      PixelRect(e.left - 50, e.top - 50, e.width + 80, e.height + 80));
  border_->show();
  border_->lower();
}

void DesignCanvas::MoveBorder(ElementKind kind, int index) {
  const DesignElement& e = model_.At(kind, index);
  border_->move(Pixels(e.left - 50), Pixels(e.top - 50));
}

void DesignCanvas::HideBorder() { border_->hide(); }

void DesignCanvas::SetColour(uint32_t colour) {
  SetBackground(*this, ToQColor(colour));
}

void DesignCanvas::dragEnterEvent(QDragEnterEvent* event) {
  if (ToolboxDragOf(*event->mimeData())) event->acceptProposedAction();
}

void DesignCanvas::dragMoveEvent(QDragMoveEvent* event) {
  if (ToolboxDragOf(*event->mimeData())) event->acceptProposedAction();
}

void DesignCanvas::dropEvent(QDropEvent* event) {
  const std::optional<ToolboxDrag> drag = ToolboxDragOf(*event->mimeData());
  if (!drag) return;
  event->acceptProposedAction();
  emit Dropped(CodeOf(drag->kind), Twips(event->position()) - drag->offset);
}

void DesignCanvas::mousePressEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton) emit Clicked();
}

void DesignCanvas::resizeEvent(QResizeEvent*) { emit Resized(); }

bool DesignCanvas::eventFilter(QObject* watched, QEvent* event) {
  const QVariant kind = watched->property(kKindProperty);
  if (!kind.isValid()) return false;
  return ForwardPointer(static_cast<ElementKind>(kind.toInt()),
                        watched->property(kIndexProperty).toInt(), event);
}

// Elements only show: every press, move and release is the designer's, so
// no check box toggles and no text field takes the cursor.
bool DesignCanvas::ForwardPointer(ElementKind kind, int index, QEvent* event) {
  const int code = CodeOf(kind);
  switch (event->type()) {
    case QEvent::MouseButtonPress: {
      auto* press = static_cast<QMouseEvent*>(event);
      emit Pressed(code, index, press->button(), Twips(press->position()));
      return true;
    }
    case QEvent::MouseMove:
      emit PointerMoved(code, index,
                        Twips(static_cast<QMouseEvent*>(event)->position()));
      return true;
    case QEvent::MouseButtonRelease:
      emit Released(code, index);
      return true;
    case QEvent::MouseButtonDblClick:
      return true;
    default:
      return false;
  }
}

}  // namespace quillory
