#include "editor/colouring_range.h"

#include <algorithm>
#include <cstring>

namespace quillory {
namespace {

// 1-based position of the CR of the last CR LF whose LF lies at or before
// `limit`, or 0.
int64_t LastLineBreakWithin(std::string_view text, int64_t limit) {
  int64_t end = std::min<int64_t>(limit, text.size());  // bytes [0, end)
  while (end >= 2) {
    const void* lf = memrchr(text.data() + 1, '\n', end - 1);
    if (lf == nullptr) return 0;
    const int64_t at = static_cast<const char*>(lf) - text.data();
    if (text[at - 1] == '\r') return at;
    end = at;
  }
  return 0;
}

// 1-based position of the CR of the first CR LF starting at or after
// `from`, or 0.
int64_t FirstLineBreakFrom(std::string_view text, int64_t from) {
  const size_t found = text.find("\r\n", std::max<int64_t>(from, 1) - 1);
  return found == std::string_view::npos ? 0 : static_cast<int64_t>(found) + 1;
}

}  // namespace

TextRange ResolveColouringRange(std::string_view text, int64_t sel_start,
                                int64_t first, int64_t last) {
  const int64_t length = static_cast<int64_t>(text.size());
  if (length == 0) return {1, 0};
  if (first == kFromCaret) {
    first = sel_start < 2 ? 1 : LastLineBreakWithin(text, sel_start);
  }
  if (last == kFromCaret) {
    last = sel_start > length ? 0 : FirstLineBreakFrom(text, sel_start);
    if (last == 0) last = length;
  }
  return {std::max<int64_t>(first, 1), std::min(last, length)};
}

}  // namespace quillory
