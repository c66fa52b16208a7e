#include "editor/php_block_index.h"

#include <algorithm>
#include <cstring>

namespace quillory {
namespace {

struct Marks {
  std::vector<int64_t> opens;
  std::vector<int64_t> closes;
};

// The "<?" and "?>" starting at 1-based first..last, in `piece`, the bytes
// of first..last+1 (or to the text's end).
Marks FindMarks(std::string_view piece, int64_t first, int64_t last) {
  Marks marks;
  const char* bytes = piece.data();
  const int64_t size = static_cast<int64_t>(piece.size());
  const int64_t starts = last - first + 1;  // mark starts: [0, starts)
  for (int64_t i = 0; i < size;) {
    const void* found = std::memchr(bytes + i, '?', size - i);
    if (found == nullptr) break;
    const int64_t at = static_cast<const char*>(found) - bytes;
    if (at >= 1 && at - 1 < starts && bytes[at - 1] == '<') {
      marks.opens.push_back(first + at - 1);
    }
    if (at < starts && at + 1 < size && bytes[at + 1] == '>') {
      marks.closes.push_back(first + at);
    }
    i = at + 1;
  }
  return marks;
}

}  // namespace

PhpBlockIndex::PhpBlockIndex(std::string_view text) {
  const int64_t length = static_cast<int64_t>(text.size());
  Marks marks = FindMarks(text, 1, length);
  opens_ = GapPositions(std::move(marks.opens), length);
  closes_ = GapPositions(std::move(marks.closes), length);
}

void PhpBlockIndex::Update(TextSource& text, int64_t offset, int64_t removed,
                           int64_t inserted) {
  const int64_t old_length = text_length();
  const int64_t length = text.Length();
  const bool fits = offset >= 0 && removed >= 0 && inserted >= 0 &&
                    offset + removed <= old_length &&
                    old_length - removed + inserted == length;
  if (!fits) {
    *this = PhpBlockIndex(text.All());
    return;
  }
  // Marks starting at 1-based `offset` straddle the change's start; those
  // starting in the removed bytes are gone; both are found again in `text`.
  const int64_t first = std::max<int64_t>(offset, 1);
  const int64_t last = offset + inserted;
  Marks fresh;
  if (first <= last) {
    fresh =
        FindMarks(text.Bytes({first, std::min(last + 1, length)}), first, last);
  }
  const int64_t delta = inserted - removed;
  opens_.Splice(first, offset + removed, delta, fresh.opens);
  closes_.Splice(first, offset + removed, delta, fresh.closes);
}

std::vector<PhpBlock> PhpBlockIndex::BlocksOverlapping(TextRange range) const {
  const int64_t threshold = ReachThreshold(range);
  const int64_t closes_before = closes_.LowerBound(threshold);
  const int64_t after = closes_before == 0 ? 0 : closes_.At(closes_before - 1);
  const int64_t first_open = opens_.LowerBound(after + 1);
  const int64_t end_open = opens_.LowerBound(range.last);
  std::vector<PhpBlock> blocks;
  blocks.reserve(std::max<int64_t>(end_open - first_open, 0));
  for (int64_t i = end_open - 1; i >= first_open; --i) {
    const int64_t open = opens_.At(i);
    const int64_t close_index = closes_.LowerBound(open);
    const int64_t close = close_index < closes_.size()
                              ? std::min(closes_.At(close_index), range.last)
                              : range.last;
    blocks.push_back({open, close});
  }
  return blocks;
}

}  // namespace quillory
