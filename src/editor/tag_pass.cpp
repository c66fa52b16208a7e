#include "editor/tag_pass.h"

#include <cstring>

namespace quillory {
namespace {

// 1-based position of the first `byte` within from..to, or 0.
int64_t FindByte(std::string_view text, char byte, int64_t from, int64_t to) {
  if (from > to) return 0;
  const void* found = std::memchr(text.data() + from - 1, byte, to - from + 1);
  return found == nullptr ? 0
                          : static_cast<const char*>(found) - text.data() + 1;
}

}  // namespace

void AddTagRuns(std::string_view text, TextRange range,
                std::vector<FormatRun>& runs) {
  const int64_t last = range.last;
  int64_t open = FindByte(text, '<', range.first, last);
  while (open != 0) {
    int64_t close = FindByte(text, '>', open, last);
    if (close == 0) close = last;
    AddRun(runs, open, close, RunKind::kTag);
    // NOTE: a tag cut off at the range's end ends the pass, even when its
    // last byte is itself a "<".
    if (close == last) return;
    open = FindByte(text, '<', close, last);
  }
}

}  // namespace quillory
