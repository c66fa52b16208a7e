#include "editor/php_blocks.h"

#include <cstring>

namespace quillory {
namespace {

// 1-based position of the "?" of the last "?>" whose "?" lies at or before
// `limit`, or 0.
int64_t LastCloseAtOrBefore(std::string_view text, int64_t limit) {
  const char* bytes = text.data();
  int64_t end = std::min<int64_t>(limit, text.size() - 1);  // bytes [0, end)
  while (end > 0) {
    const void* found = memrchr(bytes, '?', end);
    if (found == nullptr) return 0;
    const int64_t at = static_cast<const char*>(found) - bytes;
    if (bytes[at + 1] == '>') return at + 1;
    end = at;
  }
  return 0;
}

}  // namespace

std::vector<PhpBlock> FindPhpBlocks(std::string_view text, TextRange range) {
  const int64_t last = range.last;
  const int64_t after = LastCloseAtOrBefore(text, ReachThreshold(range) - 1);
  std::vector<int64_t> opens;
  std::vector<int64_t> closes;
  // Every "<?" and "?>" from there to the range's end has its "?" in
  // after+1..last; a "?>" at `last` or later closes at `last` anyway.
  const char* bytes = text.data();
  for (int64_t i = after; i < last;) {  // 0-based
    const void* found = std::memchr(bytes + i, '?', last - i);
    if (found == nullptr) break;
    const int64_t at = static_cast<const char*>(found) - bytes;
    if (at > after && bytes[at - 1] == '<') opens.push_back(at);
    if (at + 1 < last && bytes[at + 1] == '>') closes.push_back(at + 1);
    i = at + 1;
  }
  std::vector<PhpBlock> blocks(opens.size());
  size_t next_close = 0;
  for (size_t i = 0; i < opens.size(); ++i) {
    while (next_close < closes.size() && closes[next_close] < opens[i]) {
      ++next_close;
    }
    const int64_t close =
        next_close < closes.size() ? closes[next_close] : last;
    blocks[opens.size() - 1 - i] = {opens[i], close};
  }
  return blocks;
}

}  // namespace quillory
