#include "app/ui/path_label.h"

#include <QFontMetrics>
#include <QLabel>

#include <optional>

#include "app/path_caption.h"

namespace quillory {

void ShowPathInLabel(QLabel& label, const QString& path) {
  const QFontMetrics metrics(label.font());
  const std::optional<EllipsisCut> cut =
      MiddleEllipsisCut(static_cast<int>(path.size()), label.width(),
                        metrics.horizontalAdvance(path));
  label.setText(cut ? path.left(cut->head_length) + "..." +
                          path.mid(cut->tail_start)
                    : path);
}

}  // namespace quillory
