#include "editor/ui/editor_commands.h"

#include "editor/editing_text.h"
#include "editor/ui/editor.h"

namespace quillory {

void Insert2Tag(Editor& rich, std::string_view tag) {
  rich.ReplaceSelection(TagPairText(tag, rich.SelectedBytes()));
  rich.setFocus();
}

void BoldButton(Editor& rich) { Insert2Tag(rich, "B"); }

void BreakLineIndented(Editor& rich) {
  rich.ReplaceSelection(IndentedLineBreak(
      rich.PeekRange(rich.CaretLineStart(), rich.CaretLineEnd())));
}

void TabSelection(Editor& rich) {
  rich.ReplaceSelection(TabbedSelection(rich.SelectedBytes()));
}

}  // namespace quillory
