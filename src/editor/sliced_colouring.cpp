#include "editor/sliced_colouring.h"

#include <algorithm>
#include <string_view>

#include "editor/run_styles.h"

namespace quillory {
namespace {

// Fills `styles` with what `runs` make of RunsSpan(runs), which it returns.
// The few bytes a string or keyword reaches outside the leading reset start
// from their present style.
TextRange StylesOf(std::span<const FormatRun> runs, StyleStore& store,
                   std::vector<uint8_t>& styles) {
  const TextRange span = RunsSpan(runs);
  if (span.empty()) return span;
  styles.resize(static_cast<size_t>(span.last - span.first + 1));
  const FormatRun& reset = runs.front();
  for (int64_t at = span.first; at <= span.last; ++at) {
    if (at == reset.first) at = reset.last() + 1;
    if (at > span.last) break;
    styles[at - span.first] = store.StyleAt(at);
  }
  ApplyRuns(runs, span, styles);
  return span;
}

// The CR of the first CR LF at or after `from` that ends before `last`;
// `last` when there is none. Reads a piece at a time, so a slice end near
// `from` costs little.
int64_t SliceEnd(TextSource& source, int64_t from, int64_t last) {
  constexpr int64_t kPiece = 1 << 16;
  // Neighbouring pieces share a byte, so a CR LF across them is found.
  for (int64_t first = from; first < last; first += kPiece) {
    const std::string_view bytes =
        source.Bytes({first, std::min(first + kPiece, last)});
    const size_t at = bytes.find("\r\n");
    if (at != std::string_view::npos) return first + static_cast<int64_t>(at);
  }
  return last;
}

// The CR of the last CR LF inside `slice` that only the reset coloured
// (style 0): no tag, string or PHP block of the slice runs across it, so
// the slice may end there. 0 when there is none.
int64_t LastFreeLineEnd(TextSource& source, TextRange slice, TextRange span,
                        const std::vector<uint8_t>& styles) {
  const std::string_view bytes = source.Bytes(slice);
  for (size_t at = bytes.size() - 1; at-- > 0;) {
    const int64_t position = slice.first + static_cast<int64_t>(at);
    if (bytes[at] == '\r' && bytes[at + 1] == '\n' &&
        styles[position - span.first] == 0) {
      return position;
    }
  }
  return 0;
}

}  // namespace

void WriteRuns(std::span<const FormatRun> runs, StyleStore& store,
               std::vector<uint8_t>& styles) {
  const TextRange span = StylesOf(runs, store, styles);
  if (!span.empty()) store.SetStyles(span.first, styles);
}

// NOTE: cutting a range where none of its runs reaches leaves every pass
// as it was on both sides: the tag and quote passes find the same next
// mark, and a PHP block that crosses the cut would have coloured it. So a
// slice may end at a free line end of its own colouring, and what lies
// after that line end is coloured again with the next slice. A cut is
// taken only in the second half of a slice, so no byte is coloured more
// than a few times.
void ColourInSlices(HtmlColourer& colourer, TextSource& source,
                    const PhpBlockIndex& index, int64_t sel_start,
                    int64_t s_line, int64_t e_line, StyleStore& store,
                    std::vector<uint8_t>& styles, int64_t slice_length) {
  const TextRange range =
      ResolveColouringRange(source, sel_start, s_line, e_line);
  int64_t first = range.first;
  int64_t reach = slice_length;
  while (!range.empty() && first <= range.last) {
    const int64_t last = range.last - first < reach + reach / 2
                             ? range.last
                             : SliceEnd(source, first + reach, range.last);
    const TextRange span = StylesOf(
        colourer.Colour(source, sel_start, first, last, index), store, styles);
    const int64_t cut =
        last == range.last
            ? span.last
            : LastFreeLineEnd(source, {first, last}, span, styles);
    if (cut - first < (last - first) / 2) {
      reach *= 2;
      continue;
    }
    store.SetStyles(span.first, std::span(styles).first(
                                    static_cast<size_t>(cut - span.first + 1)));
    first = cut + 1;
    reach = slice_length;
  }
}

}  // namespace quillory
