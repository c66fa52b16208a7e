#pragma once

#include <string_view>

#include "editor/editing_guards.h"

namespace quillory {

class Editor;
class HtmlParse;

// Puts `text` in place of the editor's whole text with the caret at the
// start, unheard by the change handling, and colours all of it with
// `highlighter` when one is given (none: the caret line that the change
// handling colours is enough). The caller runs the change handling next,
// so the one snapshot it takes holds the colours shown.
void PutWholeText(Editor& rich, EditingGuards& guards, std::string_view text,
                  HtmlParse* highlighter);

}  // namespace quillory
