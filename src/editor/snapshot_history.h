#pragma once

#include <array>
#include <cstdint>
#include <deque>
#include <optional>
#include <vector>

#include "editor/styled_change.h"

namespace quillory {

inline constexpr int kSnapshotLevels = 21;
// The document as it was opened or created, kept below level 0.
inline constexpr int kBaseLevel = -1;

// One tab's undo history: 21 levels (0 to 20), each the whole styled
// content of the document after a change, a base below them until level
// 20 is written, and a position through them.
//
// The history never holds the document itself, which lives in the editor:
// it keeps the changes that lead from the document as it is now to every
// level, so a level costs what was changed, not what the document holds.
// For that the editor must tell it every change it makes to the text or
// the styles (Notify), except the ones a restore script orders.
class SnapshotHistory {
 public:
  SnapshotHistory();

  // Forgets every level and keeps the document as it is now as the base,
  // so the first change after it can be undone. Call once the document's
  // text and colours are in place; every later change must be told.
  void TakeBase();
  // False until there is a base or a level to go back to: changes before
  // then need not be told.
  bool Listening() const;

  // The document changed by `change` (typing, colouring, pasting, any
  // programmatic replacement, with or without a snapshot taken after it).
  void Notify(DocumentChange change);

  // Takes a snapshot of the document as it is now: with position n, writes
  // level n (level 0 from the base) and moves to n + 1; from position 21
  // the levels shift down by one, the old level 0 is dropped and level 20
  // is written. Once level 20 is written the base is dropped, so at most
  // 21 states can be reached.
  void Record();

  // Moves the position to the level below it that differs from the
  // document, skipping a level that the document still is (recorded or put
  // back with no change since), and returns the changes that turn the
  // document into that level, to be applied in order without notifying
  // them. Empty when no such level is left.
  std::optional<std::vector<DocumentChange>> Undo();
  // Moves one level up the same way; empty past level 20 or when the level
  // above has never been written.
  std::optional<std::vector<DocumentChange>> Redo();
  // Whether Undo or Redo would put a level back.
  bool CanUndo() const { return UndoTarget().has_value(); }
  bool CanRedo() const { return RedoTarget().has_value(); }

  // Back to the state of a new tab: no base, no levels, position 0.
  void Clear();

  // From kBaseLevel to 20; kBaseLevel while the base is shown.
  int position() const { return position_; }
  bool LevelFilled(int level) const { return NodeOf(level) != kNone; }
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

  std::optional<int> UndoTarget() const;
  std::optional<int> RedoTarget() const;
  int NodeOf(int level) const { return levels_[level - kBaseLevel]; }
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
  // The base, then levels 0 to 20.
  std::array<int, kSnapshotLevels + 1> levels_;
  int position_ = 0;
};

}  // namespace quillory
