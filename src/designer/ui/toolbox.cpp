#include "designer/ui/toolbox.h"

#include <QApplication>
#include <QDataStream>
#include <QDrag>
#include <QListWidget>
#include <QMimeData>
#include <QMouseEvent>
#include <QVBoxLayout>

#include <algorithm>
#include <utility>

#include "base/lang_table.h"
#include "base/twips.h"
#include "base/ui/named_caption_text.h"
#include "designer/ui/element_widgets.h"

namespace quillory {
namespace {

constexpr char kMimeType[] = "application/x-quillory-designer-item";

// An item without a numbered caption has a named one: "VisualEditor.Img".
// The tooltips are fixed English texts.
QString Caption(const LangTable& lang, const NamedCaptions& captions,
                ElementKind kind) {
  const KindInfo& info = InfoOf(kind);
  if (info.caption_entry < 0) {
    return NamedCaption(captions, "VisualEditor." + std::string(info.toolbox),
                        info.type_text);
  }
  return QString::fromStdString(
      lang.EntryOr(info.caption_entry, info.type_text));
}

void StartDrag(QWidget& item, ElementKind kind, QPoint grabbed) {
  auto* drag = new QDrag(&item);
  drag->setMimeData(
      ToolboxMimeData({kind, QPointF(grabbed) * kTwipsPerPixel}).release());
  drag->setPixmap(item.grab());
  drag->setHotSpot(grabbed);
  drag->exec(Qt::CopyAction);
}

}  // namespace

std::unique_ptr<QMimeData> ToolboxMimeData(const ToolboxDrag& drag) {
  QByteArray payload;
  QDataStream(&payload, QIODevice::WriteOnly)
      << CodeOf(drag.kind) << drag.offset;
  auto data = std::make_unique<QMimeData>();
  data->setData(kMimeType, payload);
  return data;
}

std::optional<ToolboxDrag> ToolboxDragOf(const QMimeData& data) {
  if (!data.hasFormat(kMimeType)) return std::nullopt;
  int code = -1;
  QPointF offset;
  QDataStream(data.data(kMimeType)) >> code >> offset;
  if (code < 0 || code >= kElementKindCount) return std::nullopt;
  return ToolboxDrag{static_cast<ElementKind>(code), offset};
}

Toolbox::Toolbox(const LangTable& lang, const NamedCaptions& captions,
                 QWidget* parent)
    : QWidget(parent) {
  auto* column = new QVBoxLayout(this);
  for (ElementKind kind : kElementKinds) {
    const KindInfo& info = InfoOf(kind);
    const QString caption = Caption(lang, captions, kind);
    QWidget* item = MakeKindWidget(kind, caption, caption, this);
    item->setObjectName(QString::fromUtf8(info.toolbox));
    item->setToolTip(QString::fromUtf8(info.tooltip));
    item->setAccessibleName(item->toolTip());
    item->setFocusPolicy(Qt::NoFocus);
    // Wider where a language's caption needs it; a list's own hint leaves
    // out its entries.
    int width = item->minimumSizeHint().width();
    if (auto* list = qobject_cast<QListWidget*>(item)) {
      width = list->sizeHintForColumn(0) + 2 * list->frameWidth();
    }
    item->setFixedSize(std::max(96, width),
                       kind == ElementKind::kList ? 40 : 24);
    // The item's own children (a list's viewport) must not take the press.
    for (QWidget* child : item->findChildren<QWidget*>()) {
      child->setAttribute(Qt::WA_TransparentForMouseEvents);
    }
    item->installEventFilter(this);
    column->addWidget(item);
  }
  column->addStretch();
}

// Every press is taken here, so no item toggles, selects or takes the text
// cursor. The drag starts once the pointer moves with the left button held
// beyond the toolkit's drag distance.
bool Toolbox::eventFilter(QObject* watched, QEvent* event) {
  const QEvent::Type type = event->type();
  const bool press = type == QEvent::MouseButtonPress;
  if (!press && type != QEvent::MouseMove) {
    if (type == QEvent::MouseButtonRelease) pressed_ = nullptr;
    return type == QEvent::MouseButtonRelease ||
           type == QEvent::MouseButtonDblClick;
  }
  const auto* mouse = static_cast<QMouseEvent*>(event);
  if (press) {
    if (mouse->button() == Qt::LeftButton) {
      pressed_ = static_cast<QWidget*>(watched);
      grabbed_ = mouse->position().toPoint();
    }
    return true;
  }
  if (pressed_ == watched && (mouse->buttons() & Qt::LeftButton) &&
      (mouse->position().toPoint() - grabbed_).manhattanLength() >=
          QApplication::startDragDistance()) {
    QWidget* item = std::exchange(pressed_, nullptr);
    const std::optional<ElementKind> kind =
        KindFromToolbox(item->objectName().toStdString());
    if (kind) StartDrag(*item, *kind, grabbed_);
  }
  return true;
}

}  // namespace quillory
