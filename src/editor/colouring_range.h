#pragma once

#include <cstdint>
#include <string_view>

namespace quillory {

// An inclusive range of 1-based text positions.
struct TextRange {
  int64_t first = 0;
  int64_t last = 0;

  bool empty() const { return first > last; }
  friend bool operator==(const TextRange&, const TextRange&) = default;
};

// Passed as the first or last position of a colouring request: take it from
// the caret instead.
inline constexpr int64_t kFromCaret = -1;

// The range a colouring request covers. `first` == kFromCaret becomes the CR
// of the last CR LF lying wholly within 1..sel_start (1 when there is none);
// `last` == kFromCaret becomes the CR of the first CR LF starting at or after
// sel_start (the text's length when there is none). With the 0-based caret as
// sel_start that is the caret's line with the CR LF before it and the CR
// after it. Other values are clamped into 1..length; the result is empty
// when the text is, or when first ends up past last.
TextRange ResolveColouringRange(std::string_view text, int64_t sel_start,
                                int64_t first, int64_t last);

class TextSource;

// The same range for a text read through `source`: reads the caret's line
// and a few hundred bytes around it, never the whole text unless the line
// is that long. Given positions are clamped without reading at all.
TextRange ResolveColouringRange(TextSource& source, int64_t sel_start,
                                int64_t first, int64_t last);

}  // namespace quillory
