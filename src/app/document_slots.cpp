#include "app/document_slots.h"

#include <algorithm>

namespace quillory {

FreeTabs::FreeTabs() {
  for (int slot = 0; slot < kSlotCount; ++slot) free_.push_back(slot);
}

std::optional<int> FreeTabs::Take() {
  if (free_.empty()) return std::nullopt;
  const int slot = free_.front();
  free_.pop_front();
  return slot;
}

void FreeTabs::Release(int slot) {
  if (slot < 0 || slot >= kSlotCount || Contains(slot)) return;
  free_.push_back(slot);
}

bool FreeTabs::Contains(int slot) const {
  return std::find(free_.begin(), free_.end(), slot) != free_.end();
}

}  // namespace quillory
