#include "editor/completion_placement.h"

#include <algorithm>

namespace quillory {

PixelRect PlaceCompletionList(PixelRect wanted, int line_top,
                              const PixelRect& bounds) {
  PixelRect placed = wanted;
  placed.width = std::min(wanted.width, bounds.width);
  placed.left =
      std::clamp(wanted.left, bounds.left, bounds.Right() - placed.width);
  const int room_below = bounds.Bottom() - wanted.top;
  const int room_above = line_top - bounds.top;
  if (wanted.height <= room_below) return placed;
  if (room_above > room_below) {
    placed.height = std::min(wanted.height, room_above);
    placed.top = line_top - placed.height;
  } else {
    placed.height = std::max(0, room_below);
  }
  return placed;
}

}  // namespace quillory
