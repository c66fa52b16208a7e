#pragma once

#include "editor/match_search.h"

namespace quillory {

class Editor;
struct LastSearch;

// Find next and find previous from the editor: selects the match of the
// last search after (or before) the selection, going round the ends of the
// text, and returns whether there was one.
bool FindAgainInEditor(Editor& rich, const LastSearch& last,
                       SearchDirection direction);

}  // namespace quillory
