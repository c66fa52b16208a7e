#include "designer/ui/visual_editor.h"

#include <QAccessibleWidget>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QLabel>

#include <algorithm>
#include <cmath>

#include "base/lang_table.h"
#include "base/twips.h"
#include "designer/design_model.h"
#include "designer/html_writer.h"
#include "designer/ui/design_canvas.h"
#include "designer/ui/element_widgets.h"
#include "designer/ui/property_panel.h"
#include "designer/ui/toolbox.h"
#include "editor/ui/editor.h"
#include "insert/ui/coloured_insert.h"

namespace quillory {
namespace {

constexpr int kListSampleEntry = 20;
constexpr int kCanvasFrameEntry = 36;

// The window's arrangement in twips. The canvas ends 150 short of the
// panel's left edge, the panel 50 short of the right edge, and both 50
// short of the bottom edge; the rest is the toolbox's room.
constexpr int kEdgeTwips = 120;
constexpr int kToolboxGapTwips = 120;
constexpr int kCaptionGapTwips = 45;
constexpr int kCanvasToPanelTwips = 150;
constexpr int kPanelMarginTwips = 50;
constexpr int kPanelMinimumWidth = 250;

int Pixels(int twips) {
  return static_cast<int>(
      std::lround(static_cast<double>(twips) / kTwipsPerPixel));
}

ElementKind KindOf(int code) { return static_cast<ElementKind>(code); }

// A plain widget tells assistive tools it is a filler; the designer is a
// window of its own.
QAccessibleInterface* DesignerAccessible(const QString& class_name,
                                         QObject* object) {
  if (class_name != "quillory::VisualEditor") return nullptr;
  return new QAccessibleWidget(static_cast<QWidget*>(object),
                               QAccessible::Window);
}

}  // namespace

VisualEditor::VisualEditor(const VisualEditorHost& host)
    : host_(host),
      canvas_(new DesignCanvas(
          host.model,
          QString::fromStdString(host.lang.EntryOr(kListSampleEntry, "")),
          this)),
      panel_(new PropertyPanel(host.model, host.lang, host.dialogs, this)),
      toolbox_(new Toolbox(host.lang, host.captions, this)),
      canvas_caption_(new QLabel(this)) {
  static const bool kAccessibleInstalled =
      (QAccessible::installFactory(&DesignerAccessible), true);
  static_cast<void>(kAccessibleInstalled);
  setObjectName("VisualEditor");
  setWindowTitle("Visual Editor");
  setAttribute(Qt::WA_DeleteOnClose);
  host_.model.CanvasState().colour = 0xFFFFFF;
  canvas_->SetColour(0xFFFFFF);
  canvas_caption_->setText(
      QString::fromStdString(host.lang.EntryOr(kCanvasFrameEntry, "Form")));
  panel_->resize(
      std::max(kPanelMinimumWidth, panel_->minimumSizeHint().width()),
      panel_->height());
  resize(900, 560);
  // The window itself, not a field, has the focus at first, so Delete
  // works at once.
  setFocusPolicy(Qt::StrongFocus);
  setFocus();

  connect(canvas_, &DesignCanvas::Dropped, this, &VisualEditor::Drop);
  connect(canvas_, &DesignCanvas::Pressed, this, &VisualEditor::Press);
  connect(canvas_, &DesignCanvas::PointerMoved, this, &VisualEditor::Move);
  connect(canvas_, &DesignCanvas::Released, this, &VisualEditor::Release);
  connect(canvas_, &DesignCanvas::Clicked, this, &VisualEditor::SelectCanvas);
  connect(canvas_, &DesignCanvas::Resized, this,
          &VisualEditor::FollowCanvasSize);
  connect(panel_, &PropertyPanel::Reselect, this, &VisualEditor::Select);
  connect(
      panel_, &PropertyPanel::StateChanged, this,
      [this](int code, int index) { canvas_->ShowState(KindOf(code), index); });
  connect(panel_, &PropertyPanel::ValueChanged, this, &VisualEditor::ShowValue);
  connect(panel_, &PropertyPanel::MetricChanged, this,
          [this](int code, int index) { canvas_->Place(KindOf(code), index); });
  connect(panel_, &PropertyPanel::CanvasColourChanged, this,
          [this] { canvas_->SetColour(host_.model.CanvasState().colour); });
  connect(panel_, &PropertyPanel::DeleteKeyActive, this,
          [this](bool active) { delete_key_active_ = active; });
  connect(panel_, &PropertyPanel::InsertToCode, this,
          &VisualEditor::InsertToCode);
}

void VisualEditor::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  Arrange();
}

// A window too small for the canvas or the panel leaves it as it was.
void VisualEditor::Arrange() {
  const int edge = Pixels(kEdgeTwips);
  const int canvas_top =
      edge + canvas_caption_->sizeHint().height() + Pixels(kCaptionGapTwips);
  const int canvas_left =
      edge + toolbox_->sizeHint().width() + Pixels(kToolboxGapTwips);
  toolbox_->setGeometry(QRect(QPoint(edge, canvas_top), toolbox_->sizeHint()));
  const int width = this->width() * kTwipsPerPixel;
  const int height = this->height() * kTwipsPerPixel;
  const int panel_width = panel_->width() * kTwipsPerPixel;
  const int canvas_width =
      width - panel_width - canvas_left * kTwipsPerPixel - kCanvasToPanelTwips;
  const int canvas_height =
      height - canvas_top * kTwipsPerPixel - kPanelMarginTwips;
  if (canvas_width > 0 && canvas_height > 0) {
    canvas_->setGeometry(canvas_left, canvas_top, Pixels(canvas_width),
                         Pixels(canvas_height));
  }
  canvas_caption_->setGeometry(canvas_left, edge, canvas_->width(),
                               canvas_caption_->sizeHint().height());
  const int panel_height = height - edge * kTwipsPerPixel - kPanelMarginTwips;
  if (panel_height > 0) {
    panel_->setGeometry(Pixels(width - panel_width - kPanelMarginTwips), edge,
                        panel_->width(), Pixels(panel_height));
  }
}

// The grabbed point of the toolbox item lands under the pointer; the new
// element is not selected.
void VisualEditor::Drop(int kind_code, QPointF twips) {
  const ElementKind kind = KindOf(kind_code);
  const KindInfo& info = InfoOf(kind);
  const std::string caption =
      info.caption_entry < 0
          ? ""
          : host_.lang.EntryOr(info.caption_entry, info.type_text);
  const std::optional<int> index =
      host_.model.Create(kind, static_cast<float>(twips.x()),
                         static_cast<float>(twips.y()), caption);
  if (index) canvas_->Add(kind, *index);
}

// Any button selects; only the left one starts moving the element.
void VisualEditor::Press(int kind_code, int index, Qt::MouseButton button,
                         QPointF twips) {
  canvas_->setFocus();
  if (button == Qt::LeftButton) {
    dragging_ = true;
    drag_offset_ = twips;
  }
  Select(kind_code, index);
}

void VisualEditor::Move(int kind_code, int index, QPointF twips) {
  if (!dragging_) return;
  DesignElement& e = host_.model.At(KindOf(kind_code), index);
  e.left += static_cast<float>(twips.x() - drag_offset_.x());
  e.top += static_cast<float>(twips.y() - drag_offset_.y());
  canvas_->Place(KindOf(kind_code), index);
  canvas_->MoveBorder(KindOf(kind_code), index);
}

// A check box or radio shows its own state again: only the state chooser
// changes it.
void VisualEditor::Release(int kind_code, int index) {
  dragging_ = false;
  delete_key_active_ = true;
  canvas_->ShowState(KindOf(kind_code), index);
}

void VisualEditor::Select(int kind_code, int index) {
  canvas_->ShowBorder(KindOf(kind_code), index);
  panel_->ShowProperties(kind_code, index);
}

void VisualEditor::SelectCanvas() {
  canvas_->HideBorder();
  panel_->HideStateChooser();
  panel_->ClearIndex();
  panel_->ShowProperties(kCanvasCode, -1);
}

// NOTE: auto-repeat is ignored, so holding Delete deletes one element.
void VisualEditor::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Escape) {
    close();
    return;
  }
  if (event->key() != Qt::Key_Delete) {
    QWidget::keyPressEvent(event);
    return;
  }
  if (!event->isAutoRepeat() && delete_key_active_) DeleteSelected();
}

void VisualEditor::DeleteSelected() {
  const std::optional<ElementRef> selected = panel_->Selected();
  if (!selected) return;
  canvas_->Remove(selected->kind, selected->index);
  host_.model.At(selected->kind, selected->index).present = false;
  panel_->ClearType();
  canvas_->HideBorder();
}

// A picture that loads gives the image its own size.
void VisualEditor::ShowValue(int kind_code, int index) {
  const ElementKind kind = KindOf(kind_code);
  canvas_->ShowState(kind, index);
  DesignElement& e = host_.model.At(kind, index);
  QWidget* widget = canvas_->Widget(kind, index);
  if (kind != ElementKind::kImage || e.value.empty() || !widget) return;
  if (LoadPicture(*widget, QString::fromStdString(e.value))) {
    e.width = static_cast<float>(widget->width() * kTwipsPerPixel);
    e.height = static_cast<float>(widget->height() * kTwipsPerPixel);
  }
}

// Percent elements keep their share of the canvas; the first layout only
// records the size.
void VisualEditor::FollowCanvasSize() {
  if (canvas_->width() <= 0 || canvas_->height() <= 0) return;
  host_.model.Resize(static_cast<float>(canvas_->width() * kTwipsPerPixel),
                     static_cast<float>(canvas_->height() * kTwipsPerPixel));
  for (ElementKind kind : kElementKinds) {
    for (int i = 0; i < kDesignSlots; ++i) {
      if (host_.model.At(kind, i).present) canvas_->Place(kind, i);
    }
  }
}

// Text the document cannot hold stays in the designer, which then stays
// open.
void VisualEditor::InsertToCode() {
  const std::optional<std::string> bytes = host_.rich.BytesToInsert(
      QString::fromStdString(InsertToCodeText(host_.model)));
  if (!bytes) return;
  InsertColoured(host_.rich, host_.highlighter, *bytes);
  close();
}

void VisualEditor::closeEvent(QCloseEvent* event) {
  host_.model.FreeAll();
  event->accept();
}

}  // namespace quillory
