#pragma once

#include <cstdint>
#include <vector>

namespace quillory {

// Ascending 1-based positions in a text that is edited at a moving point.
// Positions after the point of the last edit are held as distances from the
// end of the text, which an edit does not change, so an edit costs time for
// the positions between it and the previous edit, not for all later ones.
class GapPositions {
 public:
  GapPositions() = default;
  GapPositions(std::vector<int64_t> ascending, int64_t text_length);

  int64_t size() const {
    return static_cast<int64_t>(front_.size() + back_.size());
  }
  int64_t text_length() const { return text_length_; }

  // The position at `index` in ascending order; 0 <= index < size().
  int64_t At(int64_t index) const;
  // Index of the first position >= `position`, or size() when none.
  int64_t LowerBound(int64_t position) const;

  // Drops the positions within from..to (as they were before the edit),
  // moves every later one by `delta` and the text length with them, then
  // takes `fresh`: ascending positions after the edit, each at least `from`
  // and before every moved position.
  void Splice(int64_t from, int64_t to, int64_t delta,
              const std::vector<int64_t>& fresh);

 private:
  void MoveGapTo(int64_t position);

  std::vector<int64_t> front_;  // positions before the gap, ascending
  std::vector<int64_t> back_;   // text_length_ - position, ascending
  int64_t text_length_ = 0;
};

}  // namespace quillory
