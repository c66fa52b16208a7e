#include "app/ui/modified_marker.h"

#include <gtest/gtest.h>

#include <QImage>
#include <QPixmap>

namespace quillory {
namespace {

constexpr int kSize = 16;
// Inside the marker's disc and well away from it.
constexpr QPoint kInMarker{13, 13};
constexpr QPoint kAwayFromMarker{3, 3};

QImage Look(const QIcon& icon) {
  return icon.pixmap(kSize, kSize)
      .toImage()
      .convertToFormat(QImage::Format_ARGB32);
}

QIcon Solid(QColor colour) {
  QPixmap picture(kSize, kSize);
  picture.fill(colour);
  return QIcon(picture);
}

// Over the tab's picture, or alone where the tab has none.
TEST(ModifiedMarkerTest, MarkerSitsInTheLowerRightCorner) {
  const QImage over_blue = Look(WithModifiedMarker(Solid(Qt::blue)));
  EXPECT_EQ(over_blue.pixelColor(kAwayFromMarker), QColor(Qt::blue));
  EXPECT_EQ(over_blue.pixelColor(kInMarker), QColor(0xd0, 0x20, 0x20));
  const QImage alone = Look(WithModifiedMarker(QIcon()));
  EXPECT_EQ(alone.pixelColor(kAwayFromMarker).alpha(), 0);
  EXPECT_EQ(alone.pixelColor(kInMarker), QColor(0xd0, 0x20, 0x20));
}

}  // namespace
}  // namespace quillory
