#pragma once

#include <cstdint>
#include <string>

#include "editor/format_run.h"

namespace quillory {

// Digits a line number is padded to when the gutter was given none.
inline constexpr int kDefaultNumDigits = 4;

// `digits` as the gutter uses it: 0 or less means the default.
int EffectiveDigits(int digits);

// The 1-based line number zero-padded to `digits` (line 7 with 4 digits is
// "0007"); a number with more digits is written in full.
std::string LineNumberText(int64_t line, int digits);

// Per channel p * colour + (1 - p) * white, rounded.
BgrColour BlendWithWhite(BgrColour colour, double p);

// Share of the system colour in the highlighted cells: the highlight colour
// while the editor has the focus, the button face while it has not.
inline constexpr double kFocusedBlend = 0.5;
inline constexpr double kUnfocusedBlend = 0.75;

// The 0-based lines whose cells are highlighted: those of the selection,
// which always hold the caret's line.
struct HighlightedLines {
  int64_t first = 0;
  int64_t last = 0;

  bool Contains(int64_t line) const { return line >= first && line <= last; }
  bool operator==(const HighlightedLines&) const = default;
};

HighlightedLines LinesToHighlight(int64_t selection_first_line,
                                  int64_t selection_last_line,
                                  int64_t caret_line);

}  // namespace quillory
