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

// Whether no tag, string or keyword runs across a LF of style `style`. Plain
// means only the reset coloured it. PHP colour without bold means a block did
// and no string or keyword came after; a tag under it would not show, but one
// that runs across ends at the block's "?>" at the latest, where the block's
// colour still covers it. `next` is the byte after: a block ending there is
// left out of a range that starts there.
bool FreeLineEnd(uint8_t style, char next) {
  return style == 0 || (StyleColour(style) == ColourOf(RunKind::kPhp) &&
                        !StyleBold(style) && next != '?');
}

// The position after the last free LF in the second half of `slice`
// (before its last two bytes, which a clipped run may end on); 0 when
// there is none.
int64_t CutAfterFreeLineEnd(TextSource& source, TextRange slice, TextRange span,
                            const std::vector<uint8_t>& styles) {
  const std::string_view bytes = source.Bytes(slice);
  for (size_t at = bytes.size() - 2; at-- > bytes.size() / 2;) {
    const int64_t position = slice.first + static_cast<int64_t>(at);
    if (bytes[at] == '\n' &&
        FreeLineEnd(styles[position - span.first], bytes[at + 1])) {
      return position + 1;
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

// NOTE: a range cut at a line end that no tag, string or keyword runs
// across colours alike on both sides: the tag and quote passes find the
// same next mark and the keyword search the same next word. A PHP block
// across the cut colours the rest the same, except that a block reaching
// back before a range starts its colour one byte into it; so each slice
// writes its styles through the byte after the cut, and the next slice,
// which starts there, writes from the byte after that. What follows the
// cut is coloured again with the next slice; a cut is taken only in the
// second half of a slice, so no byte is coloured more than a few times.
void ColourInSlices(HtmlColourer& colourer, TextSource& source,
                    const PhpBlockIndex& index, int64_t sel_start,
                    int64_t s_line, int64_t e_line, StyleStore& store,
                    std::vector<uint8_t>& styles, int64_t slice_length) {
  const TextRange range =
      ResolveColouringRange(source, sel_start, s_line, e_line);
  int64_t first = range.first;
  int64_t written = 0;  // the last position given its styles
  int64_t reach = slice_length;
  while (!range.empty()) {
    const int64_t last =
        range.last - first < reach + reach / 2 ? range.last : first + reach;
    const TextRange span = StylesOf(
        colourer.Colour(source, sel_start, first, last, index), store, styles);
    const int64_t end =
        last == range.last
            ? span.last
            : CutAfterFreeLineEnd(source, {first, last}, span, styles);
    if (end == 0) {
      reach *= 2;
      continue;
    }
    const int64_t from = std::max(span.first, written + 1);
    store.SetStyles(
        from, std::span(styles).subspan(static_cast<size_t>(from - span.first),
                                        static_cast<size_t>(end - from + 1)));
    if (last == range.last) return;
    written = end;
    first = end;
    reach = slice_length;
  }
}

}  // namespace quillory
