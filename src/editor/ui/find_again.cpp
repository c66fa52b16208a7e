#include "editor/ui/find_again.h"

#include <optional>

#include "base/ui/display_text.h"
#include "editor/ui/editor.h"
#include "editor/ui/last_search.h"

namespace quillory {

// A text the document cannot hold is nowhere in it.
bool FindAgainInEditor(Editor& rich, const LastSearch& last,
                       SearchDirection direction) {
  const EncodedText find = EncodeForDocument(last.find, rich.Encoding());
  if (find.unheld) return false;
  const int start = rich.SelectionStart();
  const std::optional<TextSelection> found = FindAgain(
      rich.PeekRange(0, rich.Length()), {start, rich.SelectionEnd() - start},
      find.bytes, direction, last.rule);
  if (!found) return false;
  const auto at = static_cast<int>(found->start);
  rich.Select(at, at + static_cast<int>(found->length));
  return true;
}

}  // namespace quillory
