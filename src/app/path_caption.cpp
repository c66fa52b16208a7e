#include "app/path_caption.h"

#include <algorithm>
#include <cmath>

namespace quillory {

std::optional<EllipsisCut> MiddleEllipsisCut(int length, int label_width,
                                             int text_width) {
  if (text_width <= 0 || label_width >= text_width) return std::nullopt;
  // Characters to drop, with room for the three dots.
  const double kept =
      std::floor(static_cast<double>(length) * label_width / text_width);
  const int drop = length - static_cast<int>(kept) + 3;
  const int half_drop = drop / 2;
  const int half_length = length / 2;
  EllipsisCut cut;
  cut.head_length = std::clamp(half_length - half_drop, 0, length);
  // The 1-based start (drop + half_length - half_drop) as a 0-based index.
  cut.tail_start = std::clamp(drop + half_length - half_drop - 1, 0, length);
  return cut;
}

}  // namespace quillory
