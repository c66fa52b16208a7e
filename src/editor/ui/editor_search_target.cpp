#include "editor/ui/editor_search_target.h"

#include "editor/ui/editor.h"

namespace quillory {

std::string_view EditorSearchTarget::Text() const {
  return rich_.PeekRange(0, rich_.Length());
}

int64_t EditorSearchTarget::Caret() const { return rich_.SelectionStart(); }

std::string EditorSearchTarget::SelectedText() const {
  return rich_.SelectedBytes();
}

void EditorSearchTarget::Select(TextSelection selection) {
  const auto start = static_cast<int>(selection.start);
  rich_.Select(start, start + static_cast<int>(selection.length));
}

void EditorSearchTarget::ReplaceSelection(std::string_view replacement) {
  rich_.ReplaceSelection(replacement);
}

}  // namespace quillory
