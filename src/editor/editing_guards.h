#pragma once

namespace quillory {

// Flags that silence the editor's change handling while the program itself
// rewrites the editor: `parsing_now` while colouring copies content out and
// back, a tab switch swaps documents or a file loads; `restoring_snapshot`
// while undo or redo puts a snapshot back.
struct EditingGuards {
  bool parsing_now = false;
  bool restoring_snapshot = false;

  bool Quiet() const { return parsing_now || restoring_snapshot; }
};

// Sets a flag for the length of a scope and puts the old value back.
class ScopedFlag {
 public:
  explicit ScopedFlag(bool& flag) : flag_(flag), old_(flag) { flag_ = true; }
  ~ScopedFlag() { flag_ = old_; }
  ScopedFlag(const ScopedFlag&) = delete;
  ScopedFlag& operator=(const ScopedFlag&) = delete;

 private:
  bool& flag_;
  bool old_;
};

}  // namespace quillory
