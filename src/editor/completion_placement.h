#pragma once

namespace quillory {

// A rectangle in pixels; right and bottom are exclusive.
struct PixelRect {
  int left = 0;
  int top = 0;
  int width = 0;
  int height = 0;

  int Right() const { return left + width; }
  int Bottom() const { return top + height; }
  bool operator==(const PixelRect&) const = default;
};

// Where the completion list goes so that it lies wholly inside `bounds`
// (the editor's text area within the screen). `wanted` is its place under
// the caret's line, whose top is at `line_top`: it stays there when it
// fits, goes above the line when only that fits, and otherwise takes the
// roomier side, shortened to its room. It moves left to keep inside and
// narrows only when `bounds` is narrower than it.
PixelRect PlaceCompletionList(PixelRect wanted, int line_top,
                              const PixelRect& bounds);

}  // namespace quillory
