#pragma once

#include <QWidget>

#include <memory>
#include <optional>

#include "designer/element_kind.h"

class QMimeData;

namespace quillory {

class LangTable;
class NamedCaptions;

// What a toolbox drag carries: the item's kind and where in the item it was
// grabbed, in twips.
struct ToolboxDrag {
  ElementKind kind;
  QPointF offset;
};
std::unique_ptr<QMimeData> ToolboxMimeData(const ToolboxDrag& drag);
// Empty for data that no toolbox item started.
std::optional<ToolboxDrag> ToolboxDragOf(const QMimeData& data);

// The designer's toolbox: one small widget of each kind, named Lbl, Txt,
// Cmd, Chk, Opt, Cmb, Img and Frm. Dragging one with the left button
// starts a drag and drop; clicking never changes an item.
class Toolbox : public QWidget {
  Q_OBJECT

 public:
  Toolbox(const LangTable& lang, const NamedCaptions& captions,
          QWidget* parent);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  QWidget* pressed_ = nullptr;  // the item the left button went down on
  QPoint grabbed_;              // where in it, in pixels
};

}  // namespace quillory
