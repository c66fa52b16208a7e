#include "editor/ui/editor_replace_all.h"

#include <algorithm>

#include "editor/snapshot_history.h"
#include "editor/ui/editor.h"

namespace quillory {

void ApplyReplaceAll(Editor& rich, EditingGuards& guards,
                     const ReplaceAllResult& result, int64_t find_size,
                     std::string_view replacement) {
  const int caret = rich.SelectionStart();
  const auto count = static_cast<int64_t>(result.starts.size());
  const int64_t grown = static_cast<int64_t>(replacement.size()) - find_size;
  const int64_t silent = std::max<int64_t>(0, count - kSnapshotLevels);
  if (silent > 0) {
    // The k-th occurrence sat at starts[k] - k * grown in the old text.
    const int64_t first = result.starts.front();
    const int64_t last = result.starts[silent - 1];
    const int64_t old_end = last - (silent - 1) * grown + find_size;
    const int64_t new_end = last + static_cast<int64_t>(replacement.size());
    const ScopedFlag parsing(guards.parsing_now);
    rich.ReplaceRange(
        static_cast<int>(first), static_cast<int>(old_end),
        std::string_view(result.text).substr(first, new_end - first));
  }
  for (int64_t k = silent; k < count; ++k) {
    const auto at = static_cast<int>(result.starts[k]);
    rich.ReplaceRange(at, at + static_cast<int>(find_size), replacement);
  }
  rich.Select(caret, caret);
}

}  // namespace quillory
