#include "editor/ui/editor_replace_all.h"

#include "editor/ui/editor.h"

namespace quillory {

// NOTE: the k-th occurrence sat at starts[k] - k * grown in the old text,
// so the last one's end gives the one range that all the replacements
// span.
void ApplyReplaceAll(Editor& rich, EditingGuards& guards,
                     const ReplaceAllResult& result, int64_t find_size,
                     std::string_view replacement) {
  if (result.starts.empty()) return;
  const int caret = rich.SelectionStart();
  const auto count = static_cast<int64_t>(result.starts.size());
  const int64_t grown = static_cast<int64_t>(replacement.size()) - find_size;
  const int64_t first = result.starts.front();
  const int64_t last = result.starts.back();
  const int64_t old_end = last - (count - 1) * grown + find_size;
  const int64_t new_end = last + static_cast<int64_t>(replacement.size());
  {
    const ScopedFlag parsing(guards.parsing_now);
    rich.ReplaceRange(
        static_cast<int>(first), static_cast<int>(old_end),
        std::string_view(result.text).substr(first, new_end - first));
  }
  rich.Select(caret, caret);
}

}  // namespace quillory
