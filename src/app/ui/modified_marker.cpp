#include "app/ui/modified_marker.h"

#include <QPainter>
#include <QPixmap>

namespace quillory {
namespace {

constexpr int kPictureSize = 16;
// 150 twips from the picture's corner.
constexpr int kMarkerOffset = 10;
constexpr int kMarkerSize = kPictureSize - kMarkerOffset;

// The marker is drawn once: laying out an antialiased ellipse for every
// first change of a document cost more than the rest of marking it.
const QPixmap& MarkerPicture() {
  static const QPixmap marker = [] {
    QPixmap picture(kMarkerSize, kMarkerSize);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(Qt::white, 1));
    painter.setBrush(QColor(0xd0, 0x20, 0x20));
    painter.drawEllipse(0, 0, kMarkerSize - 1, kMarkerSize - 1);
    return picture;
  }();
  return marker;
}

}  // namespace

QIcon WithModifiedMarker(const QIcon& tab_picture) {
  QPixmap scratch(kPictureSize, kPictureSize);
  scratch.fill(Qt::transparent);
  QPainter painter(&scratch);
  tab_picture.paint(&painter, 0, 0, kPictureSize, kPictureSize);
  painter.drawPixmap(kMarkerOffset, kMarkerOffset, MarkerPicture());
  painter.end();
  return QIcon(scratch);
}

}  // namespace quillory
