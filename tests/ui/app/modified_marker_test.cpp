#include "app/ui/modified_marker.h"

#include <gtest/gtest.h>

#include <QImage>
#include <QPixmap>

namespace quillory {
namespace {

// Over the tab's picture, which shows around it.
TEST(ModifiedMarkerTest, MarkerSitsInTheLowerRightCorner) {
  QPixmap blue(16, 16);
  blue.fill(Qt::blue);
  const QImage marked =
      WithModifiedMarker(QIcon(blue)).pixmap(16, 16).toImage();
  EXPECT_EQ(marked.pixelColor(3, 3), QColor(Qt::blue));
  EXPECT_EQ(marked.pixelColor(13, 13), QColor(0xd0, 0x20, 0x20));
}

}  // namespace
}  // namespace quillory
