#pragma once

#include <cstdint>
#include <string_view>

#include "editor/editing_guards.h"
#include "editor/replace_all.h"

namespace quillory {

class Editor;

// Puts the outcome of replace all into the editor as one edit, while
// `guards` keep the change handling silent, and leaves the caret where it
// was. The caller colours the text and runs the change handling once.
void ApplyReplaceAll(Editor& rich, EditingGuards& guards,
                     const ReplaceAllResult& result, int64_t find_size,
                     std::string_view replacement);

}  // namespace quillory
