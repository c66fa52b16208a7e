#include "editor/snapshot_history.h"

#include <algorithm>

namespace quillory {

namespace {

std::deque<DocumentChange> Inverted(const std::deque<DocumentChange>& steps) {
  std::deque<DocumentChange> inverted;
  for (auto it = steps.rbegin(); it != steps.rend(); ++it) {
    inverted.push_back(Inverse(*it));
  }
  return inverted;
}

}  // namespace

SnapshotHistory::SnapshotHistory() { Clear(); }

void SnapshotHistory::Clear() {
  nodes_.clear();
  free_nodes_.clear();
  levels_.fill(kNone);
  position_ = 0;
  root_ = NewNode();
}

void SnapshotHistory::TakeBase() {
  Clear();
  SetLevel(kBaseLevel, root_);
}

bool SnapshotHistory::Listening() const {
  return LevelFilled(kBaseLevel) || LevelFilled(0);
}

// A change that alters nothing leaves the document the state it was, so
// the level it is stays the one Undo skips.
void SnapshotHistory::Notify(DocumentChange change) {
  if (change.before == change.after) return;
  const int old_root = root_;
  root_ = NewNode();
  nodes_[old_root].parent = root_;
  nodes_[old_root].from_parent.push_back(Inverse(std::move(change)));
  Prune();
}

// NOTE: the rotation carries the old level 0 to the top, where level 20 is
// written over it and so drops it. The base counts among the 21 states
// Undo may reach, so it goes once all 21 levels are written.
void SnapshotHistory::Record() {
  if (position_ >= kSnapshotLevels) {
    std::rotate(levels_.begin() + 1, levels_.begin() + 2, levels_.end());
    SetLevel(kSnapshotLevels - 1, root_);
  } else {
    const int level = std::max(position_, 0);
    SetLevel(level, root_);
    position_ = level + 1;
  }
  if (LevelFilled(kSnapshotLevels - 1)) SetLevel(kBaseLevel, kNone);
  Prune();
}

std::optional<std::vector<DocumentChange>> SnapshotHistory::Undo() {
  const std::optional<int> level = UndoTarget();
  if (!level) return std::nullopt;
  return MoveTo(*level);
}

std::optional<std::vector<DocumentChange>> SnapshotHistory::Redo() {
  const std::optional<int> level = RedoTarget();
  if (!level) return std::nullopt;
  return MoveTo(*level);
}

// The root is the document as it is, so a level naming the root is a level
// the document still is.
std::optional<int> SnapshotHistory::UndoTarget() const {
  int level = position_ - 1;
  while (level >= kBaseLevel && NodeOf(level) == root_) --level;
  if (level < kBaseLevel || NodeOf(level) == kNone) return std::nullopt;
  return level;
}

std::optional<int> SnapshotHistory::RedoTarget() const {
  const int level = position_ + 1;
  if (level >= kSnapshotLevels || NodeOf(level) == kNone) return std::nullopt;
  return level;
}

int64_t SnapshotHistory::HeldBytes() const {
  int64_t bytes = 0;
  for (const Node& node : nodes_) {
    bytes += static_cast<int64_t>(sizeof(Node));
    for (const DocumentChange& change : node.from_parent) {
      bytes += static_cast<int64_t>(sizeof(DocumentChange)) +
               quillory::HeldBytes(change);
    }
  }
  return bytes;
}

std::vector<DocumentChange> SnapshotHistory::MoveTo(int level) {
  position_ = level;
  const std::vector<int> path = PathToRoot(NodeOf(level));
  std::vector<DocumentChange> script;
  for (size_t i = path.size() - 1; i-- > 0;) {
    const auto& steps = nodes_[path[i]].from_parent;
    script.insert(script.end(), steps.begin(), steps.end());
  }
  MakeRoot(path);
  Prune();
  return script;
}

std::vector<int> SnapshotHistory::PathToRoot(int node) const {
  std::vector<int> path;
  for (int at = node; at != kNone; at = nodes_[at].parent) path.push_back(at);
  return path;
}

// NOTE: walking down from the old root, each edge is turned around before the
// node below it is visited, so the edge read is always still the original.
void SnapshotHistory::MakeRoot(const std::vector<int>& path) {
  for (size_t i = path.size() - 1; i-- > 0;) {
    Node& below = nodes_[path[i]];
    Node& above = nodes_[path[i + 1]];
    above.from_parent = Inverted(below.from_parent);
    above.parent = path[i];
  }
  Node& new_root = nodes_[path.front()];
  new_root.parent = kNone;
  new_root.from_parent.clear();
  root_ = path.front();
}

void SnapshotHistory::SetLevel(int level, int node) {
  int& named = levels_[level - kBaseLevel];
  if (named != kNone) --nodes_[named].level_count;
  named = node;
  if (node != kNone) ++nodes_[node].level_count;
}

int SnapshotHistory::NewNode() {
  if (free_nodes_.empty()) {
    nodes_.emplace_back();
    free_nodes_.push_back(static_cast<int>(nodes_.size()) - 1);
  }
  const int node = free_nodes_.back();
  free_nodes_.pop_back();
  nodes_[node] = Node{};
  nodes_[node].in_use = true;
  return node;
}

void SnapshotHistory::Prune() {
  while (PruneOnce()) {
  }
}

// A state no level names is kept only where paths branch; a leaf of it is
// dropped and a link in a chain is folded into the edge below it, so the
// tree never holds more than about two nodes per level.
bool SnapshotHistory::PruneOnce() {
  std::vector<int> children(nodes_.size(), 0);
  std::vector<int> some_child(nodes_.size(), kNone);
  for (int i = 0; i < static_cast<int>(nodes_.size()); ++i) {
    const int parent = nodes_[i].parent;
    if (!nodes_[i].in_use || parent == kNone) continue;
    ++children[parent];
    some_child[parent] = i;
  }
  for (int i = 0; i < static_cast<int>(nodes_.size()); ++i) {
    Node& node = nodes_[i];
    if (!node.in_use || i == root_ || node.level_count > 0) continue;
    if (children[i] > 1) continue;
    if (children[i] == 1) {
      Node& child = nodes_[some_child[i]];
      child.from_parent.insert(child.from_parent.begin(),
                               node.from_parent.begin(),
                               node.from_parent.end());
      child.parent = node.parent;
    }
    node = Node{};
    free_nodes_.push_back(i);
    return true;
  }
  return false;
}

}  // namespace quillory
