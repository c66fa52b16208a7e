#pragma once

#include <array>
#include <optional>

#include "editor/snapshot_history.h"
#include "editor/styled_change.h"

namespace quillory {

// The undo levels kept the plain way, a full copy of the document per level,
// as the reference the shared history must match in every observable way.
class PlainSnapshotHistory {
 public:
  void Record(const StyledText& document) {
    if (position_ > kSnapshotLevels - 1) {
      for (int i = 1; i < kSnapshotLevels; ++i) levels_[i - 1] = levels_[i];
      levels_[kSnapshotLevels - 1] = document;
    } else {
      levels_[position_++] = document;
    }
  }

  std::optional<StyledText> Undo() {
    const int level = position_ - 1;
    if (level < 0) return std::nullopt;
    position_ = level;
    return levels_[level];
  }

  std::optional<StyledText> Redo() {
    const int level = position_ + 1;
    if (level > kSnapshotLevels - 1 || !levels_[level]) return std::nullopt;
    position_ = level;
    return levels_[level];
  }

  int position() const { return position_; }

 private:
  std::array<std::optional<StyledText>, kSnapshotLevels> levels_;
  int position_ = 0;
};

}  // namespace quillory
