#pragma once

#include <string_view>
#include <vector>

#include "editor/colouring_range.h"
#include "editor/format_run.h"

namespace quillory {

// Appends a string-coloured run for each quoted string found from one
// position before `range` on: from an opening quote lying before the
// range's end to the next quote of the same kind, or to the range's end.
// A quote right after a backslash neither opens nor closes. Every byte is
// read once per quote kind at most, however many quotes go unmatched.
void AddQuoteRuns(std::string_view text, TextRange range,
                  std::vector<FormatRun>& runs);

}  // namespace quillory
