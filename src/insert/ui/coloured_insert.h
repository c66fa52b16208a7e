#pragma once

#include <string_view>

namespace quillory {

class Editor;
class HtmlParse;

// Insertion windows put markup in as an ordinary edit and then have exactly
// what they put in coloured, since the change handling colours only the
// caret's line.

// Replaces the selection (or inserts at the caret) with `bytes`.
void InsertColoured(Editor& rich, HtmlParse& highlighter,
                    std::string_view bytes);
// Colours what an edit put in from 0-based `start` up to the caret.
void ColourUpToCaret(Editor& rich, HtmlParse& highlighter, int start);

}  // namespace quillory
