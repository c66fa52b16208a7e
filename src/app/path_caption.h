#pragma once

#include <optional>

namespace quillory {

// Where a path too wide for its label is cut: the first `head_length`
// characters, then "...", then everything from `tail_start` (0-based).
struct EllipsisCut {
  int head_length = 0;
  int tail_start = 0;
};

// `length` is the path's length in characters, `label_width` and
// `text_width` the label's width and the path's drawn width in one unit.
// Empty when the path fits and is shown whole.
std::optional<EllipsisCut> MiddleEllipsisCut(int length, int label_width,
                                             int text_width);

}  // namespace quillory
