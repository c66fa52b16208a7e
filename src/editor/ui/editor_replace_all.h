#pragma once

#include <cstdint>
#include <string_view>

#include "editor/editing_guards.h"
#include "editor/replace_all.h"

namespace quillory {

class Editor;

// Puts the outcome of replace all into the editor as if every occurrence
// had been replaced one at a time, each raising the change handling, and
// leaves the caret where it was. Only the last kSnapshotLevels steps can
// leave a trace in the undo history, so the ones before them are made in
// one edit while `guards` silence the change handling.
void ApplyReplaceAll(Editor& rich, EditingGuards& guards,
                     const ReplaceAllResult& result, int64_t find_size,
                     std::string_view replacement);

}  // namespace quillory
