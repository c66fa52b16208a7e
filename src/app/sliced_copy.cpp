#include "app/sliced_copy.h"

#include <algorithm>
#include <utility>

namespace quillory {

void SlicedCopy::Restart(std::string room) {
  bytes_ = std::move(room);
  bytes_.clear();
}

void SlicedCopy::Changed(size_t position) {
  if (position < bytes_.size()) bytes_.resize(position);
}

bool SlicedCopy::Step(size_t length, const Peek& peek, size_t most) {
  // A text that shrank below the copy without a change being told is
  // copied afresh rather than trusted.
  if (bytes_.size() > length) bytes_.clear();
  if (bytes_.capacity() < length) bytes_.reserve(length);
  while (bytes_.size() < length && most > 0) {
    const std::string_view piece =
        peek(bytes_.size()).substr(0, std::min(most, length - bytes_.size()));
    if (piece.empty()) break;
    bytes_.append(piece);
    most -= piece.size();
  }
  return bytes_.size() == length;
}

std::string SlicedCopy::Take() { return std::exchange(bytes_, {}); }

}  // namespace quillory
