#pragma once

#include <array>

#include "app/document_slots.h"
#include "editor/snapshot_history.h"

namespace quillory {

// The undo history of each of the ten document slots. `slot` is 0 to 9.
class SlotHistories {
 public:
  SnapshotHistory& Of(int slot) { return histories_[slot]; }
  // The slot's document is gone; the next one starts without levels.
  void Free(int slot) { histories_[slot].Clear(); }

 private:
  std::array<SnapshotHistory, kSlotCount> histories_;
};

}  // namespace quillory
