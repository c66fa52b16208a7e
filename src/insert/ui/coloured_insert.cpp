#include "insert/ui/coloured_insert.h"

#include "editor/ui/editor.h"
#include "editor/ui/highlighter.h"

namespace quillory {

void InsertColoured(Editor& rich, HtmlParse& highlighter,
                    std::string_view bytes) {
  const int start = rich.SelectionStart();
  rich.ReplaceSelection(bytes);
  ColourUpToCaret(rich, highlighter, start);
}

// The range runs from start + 1 to start + length, 1-based, as the element
// dialog's paste colours it.
void ColourUpToCaret(Editor& rich, HtmlParse& highlighter, int start) {
  highlighter.SetForParsing(rich, start + 1, rich.Caret());
}

}  // namespace quillory
