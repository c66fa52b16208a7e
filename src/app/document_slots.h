#pragma once

#include <cstdint>
#include <deque>
#include <optional>
#include <string>

#include "base/document_line_ends.h"

namespace quillory {

inline constexpr int kSlotCount = 10;

// What a slot remembers about its document while another tab is active.
// The text and colours themselves live in the editor's own document
// object for the slot, so switching never copies them.
struct Document {
  std::string file_path;  // empty until first saved
  bool saved = false;
  int32_t first_visible_line = 0;
  int32_t sel_start = 0;  // 0-based byte positions
  int32_t sel_end = 0;
  LineEnds line_ends = LineEnds::kAsStored;  // how to write the text back
};

// The free slots, handed out first in, first out: a freed slot goes to the
// back, so the next new document takes the oldest free slot.
class FreeTabs {
 public:
  FreeTabs();  // 0 to 9 in ascending order

  // The slot at the head, removed from the list; empty when none is free.
  std::optional<int> Take();
  // Appends `slot` unless it is already in the list.
  void Release(int slot);
  bool Contains(int slot) const;
  bool Empty() const { return free_.empty(); }
  const std::deque<int>& Slots() const { return free_; }

 private:
  std::deque<int> free_;
};

}  // namespace quillory
