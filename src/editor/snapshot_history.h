#pragma once

#include <array>
#include <cstdint>
#include <deque>
#include <optional>
#include <vector>

#include "editor/styled_change.h"

namespace quillory {

inline constexpr int kSnapshotLevels = 21;

// One tab's undo history: 21 levels (0 to 20), each the whole styled
// content of the document after a change, and a position through them.
//
// The history never holds the document itself, which lives in the editor:
// it keeps the changes that lead from the document as it is now to every
// level, so a level costs what was changed, not what the document holds.
// For that the editor must tell it every change it makes to the text or
// the styles (Notify), except the ones a restore script orders.
class SnapshotHistory {
 public:
  SnapshotHistory();

  // The document changed by `change` (typing, colouring, pasting, any
  // programmatic replacement, with or without a snapshot taken after it).
  void Notify(DocumentChange change);

  // Takes a snapshot of the document as it is now: with position n, writes
  // level n and moves to n + 1; from position 21 the levels shift down by
  // one, the oldest is dropped and level 20 is written.
  void Record();

  // Moves the position one level down and returns the changes that turn the
  // document into that level, to be applied in order without notifying
  // them. Empty when there is nothing to undo (position 0).
  std::optional<std::vector<DocumentChange>> Undo();
  // Moves one level up the same way; empty past level 20 or when the level
  // above has never been written.
  std::optional<std::vector<DocumentChange>> Redo();

  // Back to the state of a new tab: no levels, position 0.
  void Clear();

  int position() const { return position_; }
  bool LevelFilled(int level) const { return levels_[level] != kNone; }
  // Bytes held in changes, for memory accounting.
  int64_t HeldBytes() const;

 private:
  static constexpr int kNone = -1;

  // A document state. The root is the editor's present document; every other
  // node is reached from its parent by applying `from_parent` in order.
  struct Node {
    int parent = kNone;
    std::deque<DocumentChange> from_parent;
    int level_count = 0;  // levels that name this state
    bool in_use = false;
  };

  std::vector<DocumentChange> MoveTo(int level);
  std::vector<int> PathToRoot(int node) const;
  void MakeRoot(const std::vector<int>& path);
  void SetLevel(int level, int node);
  int NewNode();
  void Prune();
  bool PruneOnce();

  std::vector<Node> nodes_;
  std::vector<int> free_nodes_;
  int root_ = kNone;
  std::array<int, kSnapshotLevels> levels_;
  int position_ = 0;
};

}  // namespace quillory
