#pragma once

#include <string_view>

namespace quillory {

class Editor;

// Small commands that replace the editor's selection (inserting at the
// caret when nothing is selected), leave the caret after what they put in
// and raise the change handling as typing does.

// `Insert2Tag`: an empty element pair, or the selection wrapped in one;
// the editor gets the focus.
void Insert2Tag(Editor& rich, std::string_view tag);
// The tag panel's "B" button, which the editor's bold shortcut runs too.
void BoldButton(Editor& rich);
// Plain Enter: a new line indented like the caret's line.
void BreakLineIndented(Editor& rich);
// Tab and Shift+Tab: the selection followed by a tab character.
void TabSelection(Editor& rich);

}  // namespace quillory
