#pragma once

#include <cstdint>
#include <span>

#include "editor/colouring_range.h"
#include "editor/format_run.h"

namespace quillory {

// Style numbers of the editor control: one per colour-and-bold pair the
// colouring produces. Bit 0 is bold, the bits above it the colour, so a run
// that keeps bold changes only the upper bits. Style 0 is plain black.
inline constexpr int kRunStyleCount = 8;

// The colour and boldness a style number shows.
BgrColour StyleColour(int style);
bool StyleBold(int style);

// The positions `runs` touch, which reach a little outside the range they
// were computed for; empty for no runs.
TextRange RunsSpan(std::span<const FormatRun> runs);

// Applies `runs` in order to `styles`, the style numbers of 1-based
// positions span.first..span.last (with span == RunsSpan(runs)). Positions
// no run covers keep the style they come with.
void ApplyRuns(std::span<const FormatRun> runs, TextRange span,
               std::span<uint8_t> styles);

}  // namespace quillory
