#pragma once

#include "editor/search_target.h"

namespace quillory {

class Editor;

// Find and replace on the editor control itself: its text is read in
// place, and replacing the selection raises the change handling as typing
// does.
class EditorSearchTarget : public SearchTarget {
 public:
  explicit EditorSearchTarget(Editor& rich) : rich_(rich) {}

  std::string_view Text() const override;
  int64_t Caret() const override;
  std::string SelectedText() const override;
  void Select(TextSelection selection) override;
  void ReplaceSelection(std::string_view replacement) override;

 private:
  Editor& rich_;
};

}  // namespace quillory
