#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

#include "editor/colouring_range.h"

namespace quillory {

// A PHP block as a colouring range sees it. `open` is the "<" of a "<?";
// `close` is the "?" of the first "?>" at or after `open`, or the range's
// last position when that "?>" lies at or past it or there is none: the
// range colours both alike.
struct PhpBlock {
  int64_t open = 0;
  int64_t close = 0;

  friend bool operator==(const PhpBlock&, const PhpBlock&) = default;
};

// Where a "<?" may start so that its block reaches into `range`: every "<?"
// lying wholly within 1..range.last whose close lies at or past
// `ReachThreshold(range)`. Since a later "<?" never closes earlier, those
// are the "<?" after the last "?>" before the threshold.
inline int64_t ReachThreshold(TextRange range) {
  return range.first < range.last ? range.first + 1 : range.last;
}

// The PHP blocks that overlap `range`, last first (the order they are
// coloured in). Reads the text back to the last "?>" before the range and
// no further than the range's end; a non-empty range is assumed.
std::vector<PhpBlock> FindPhpBlocks(std::string_view text, TextRange range);

}  // namespace quillory
