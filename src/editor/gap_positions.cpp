#include "editor/gap_positions.h"

#include <algorithm>

namespace quillory {

GapPositions::GapPositions(std::vector<int64_t> ascending, int64_t text_length)
    : front_(std::move(ascending)), text_length_(text_length) {}

int64_t GapPositions::At(int64_t index) const {
  const int64_t in_front = static_cast<int64_t>(front_.size());
  if (index < in_front) return front_[index];
  return text_length_ - back_[back_.size() - 1 - (index - in_front)];
}

int64_t GapPositions::LowerBound(int64_t position) const {
  if (!front_.empty() && front_.back() >= position) {
    return std::lower_bound(front_.begin(), front_.end(), position) -
           front_.begin();
  }
  // back_ counts from the end: position p >= `position` holds distance
  // <= text_length_ - position.
  const int64_t at_or_after =
      std::upper_bound(back_.begin(), back_.end(), text_length_ - position) -
      back_.begin();
  return size() - at_or_after;
}

void GapPositions::MoveGapTo(int64_t position) {
  while (!front_.empty() && front_.back() >= position) {
    back_.push_back(text_length_ - front_.back());
    front_.pop_back();
  }
  while (!back_.empty() && text_length_ - back_.back() < position) {
    front_.push_back(text_length_ - back_.back());
    back_.pop_back();
  }
}

void GapPositions::Splice(int64_t from, int64_t to, int64_t delta,
                          const std::vector<int64_t>& fresh) {
  MoveGapTo(from);
  while (!back_.empty() && text_length_ - back_.back() <= to) back_.pop_back();
  text_length_ += delta;
  front_.insert(front_.end(), fresh.begin(), fresh.end());
}

}  // namespace quillory
