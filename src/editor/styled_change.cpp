#include "editor/styled_change.h"

#include <utility>

namespace quillory {

DocumentChange Inverse(DocumentChange change) {
  std::swap(change.before, change.after);
  return change;
}

void Apply(const DocumentChange& change, StyledText& document) {
  const auto at = static_cast<size_t>(change.position);
  if (change.kind == ChangeKind::kStyles) {
    document.styles.replace(at, change.after.styles.size(),
                            change.after.styles);
    return;
  }
  document.text.replace(at, change.before.text.size(), change.after.text);
  document.styles.replace(at, change.before.styles.size(), change.after.styles);
}

int64_t HeldBytes(const DocumentChange& change) {
  return static_cast<int64_t>(
      change.before.text.size() + change.before.styles.size() +
      change.after.text.size() + change.after.styles.size());
}

}  // namespace quillory
