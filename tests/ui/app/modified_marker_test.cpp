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

TEST(ModifiedMarkerTest, MarkerSitsInTheLowerRightCornerOverThePicture) {
  const QImage marked = Look(WithModifiedMarker(Solid(Qt::blue)));
  EXPECT_EQ(marked.pixelColor(kAwayFromMarker), QColor(Qt::blue));
  EXPECT_EQ(marked.pixelColor(kInMarker), QColor(0xd0, 0x20, 0x20));
}

TEST(ModifiedMarkerTest, TabWithoutPictureGetsTheMarkerAlone) {
  const QImage marked = Look(WithModifiedMarker(QIcon()));
  EXPECT_EQ(marked.pixelColor(kAwayFromMarker).alpha(), 0);
  EXPECT_EQ(marked.pixelColor(kInMarker), QColor(0xd0, 0x20, 0x20));
}

}  // namespace
}  // namespace quillory
