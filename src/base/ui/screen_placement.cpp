#include "base/ui/screen_placement.h"

#include <QMargins>

#include <algorithm>

namespace quillory {
namespace {

// A title bar's height above and below, in the window's own pixels: a
// window manager may put the frame's corner or the window's own where it
// was asked to.
constexpr QMargins kFrameRoom(8, 32, 8, 32);

}  // namespace

QRect PlaceOnOwner(QSize size, const QRect& owner, const QRect& available) {
  const QRect room = available.marginsRemoved(kFrameRoom);
  QRect placed(QPoint(), size.boundedTo(room.size()));
  placed.moveCenter(owner.center());
  placed.moveLeft(std::clamp(placed.left(), room.left(),
                             room.right() - placed.width() + 1));
  placed.moveTop(std::clamp(placed.top(), room.top(),
                            room.bottom() - placed.height() + 1));
  return placed;
}

}  // namespace quillory
