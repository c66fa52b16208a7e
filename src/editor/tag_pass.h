#pragma once

#include <string_view>
#include <vector>

#include "editor/colouring_range.h"
#include "editor/format_run.h"

namespace quillory {

// Appends a tag-coloured run from each "<" in `range` to the next ">", or to
// the range's end when no ">" follows within it. A "<" inside a tag belongs
// to that tag. Reads nothing outside the non-empty `range`.
void AddTagRuns(std::string_view text, TextRange range,
                std::vector<FormatRun>& runs);

}  // namespace quillory
