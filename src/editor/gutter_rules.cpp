#include "editor/gutter_rules.h"

#include <algorithm>
#include <cmath>

namespace quillory {

int EffectiveDigits(int digits) {
  return digits > 0 ? digits : kDefaultNumDigits;
}

std::string LineNumberText(int64_t line, int digits) {
  std::string text = std::to_string(line);
  const size_t width = static_cast<size_t>(EffectiveDigits(digits));
  if (text.size() < width) text.insert(0, width - text.size(), '0');
  return text;
}

BgrColour BlendWithWhite(BgrColour colour, double p) {
  BgrColour blended = 0;
  for (int shift = 0; shift <= 16; shift += 8) {
    const double channel = (colour >> shift) & 0xFF;
    const auto mixed =
        static_cast<BgrColour>(std::lround(p * channel + (1 - p) * 255));
    blended |= mixed << shift;
  }
  return blended;
}

HighlightedLines LinesToHighlight(int64_t selection_first_line,
                                  int64_t selection_last_line,
                                  int64_t caret_line) {
  return {std::min({selection_first_line, selection_last_line, caret_line}),
          std::max({selection_first_line, selection_last_line, caret_line})};
}

}  // namespace quillory
