#pragma once

#include <algorithm>
#include <array>
#include <optional>

#include "editor/snapshot_history.h"
#include "editor/styled_change.h"

namespace quillory {

// The undo levels kept the plain way, a full copy of the document per level,
// as the reference the shared history must match in every observable way.
// Each state of the document gets a stamp, so "the level the document still
// is" means the level recorded or put back with no change since.
class PlainSnapshotHistory {
 public:
  explicit PlainSnapshotHistory(const StyledText& base) {
    At(kBaseLevel) = Level{base, stamp_};
  }

  // The document changed (any change that alters a byte or a style).
  void Changed() { stamp_ = ++stamps_made_; }

  void Record(const StyledText& document) {
    if (position_ > kSnapshotLevels - 1) {
      std::rotate(levels_.begin() + 1, levels_.begin() + 2, levels_.end());
      levels_.back() = Level{document, stamp_};
    } else {
      const int level = std::max(position_, 0);
      At(level) = Level{document, stamp_};
      position_ = level + 1;
    }
    if (At(kSnapshotLevels - 1)) At(kBaseLevel).reset();
  }

  std::optional<StyledText> Undo() {
    int level = position_ - 1;
    while (level >= kBaseLevel && At(level) && At(level)->stamp == stamp_) {
      --level;
    }
    if (level < kBaseLevel || !At(level)) return std::nullopt;
    return MoveTo(level);
  }

  std::optional<StyledText> Redo() {
    const int level = position_ + 1;
    if (level > kSnapshotLevels - 1 || !At(level)) return std::nullopt;
    return MoveTo(level);
  }

  int position() const { return position_; }

 private:
  struct Level {
    StyledText document;
    int stamp;
  };

  std::optional<Level>& At(int level) { return levels_[level - kBaseLevel]; }

  StyledText MoveTo(int level) {
    position_ = level;
    stamp_ = At(level)->stamp;
    return At(level)->document;
  }

  std::array<std::optional<Level>, kSnapshotLevels + 1> levels_;
  int position_ = 0;
  int stamp_ = 0;
  int stamps_made_ = 0;
};

}  // namespace quillory
