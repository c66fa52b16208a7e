#pragma once

#include <cstdint>
#include <span>
#include <vector>

#include "editor/colouring_range.h"
#include "editor/format_run.h"
#include "editor/html_parse.h"
#include "editor/php_block_index.h"
#include "editor/text_source.h"

namespace quillory {

// The style numbers a colouring reads back and writes: the editor's.
class StyleStore {
 public:
  virtual ~StyleStore() = default;

  // The style of 1-based `position`.
  virtual uint8_t StyleAt(int64_t position) = 0;
  // Gives 1-based positions first..first+styles.size()-1 these styles.
  virtual void SetStyles(int64_t first, std::span<const uint8_t> styles) = 0;
};

// Writes `runs` into `store` in one step. `styles` is scratch memory kept
// between calls so colouring a line allocates nothing.
void WriteRuns(std::span<const FormatRun> runs, StyleStore& store,
               std::vector<uint8_t>& styles);

inline constexpr int64_t kColouringSlice = int64_t{1} << 20;

// The colouring request for `index`'s text: the styles it writes are
// exactly those of WriteRuns(ParseHTML(...)), but a long range is coloured
// a slice of about `slice_length` bytes at a time, each slice ending at a
// line end that no tag, string or keyword runs across, so a whole text
// never needs all its runs at once. A slice without such a line end grows until
// it has one or reaches the end of the range.
void ColourInSlices(HtmlColourer& colourer, TextSource& source,
                    const PhpBlockIndex& index, int64_t sel_start,
                    int64_t s_line, int64_t e_line, StyleStore& store,
                    std::vector<uint8_t>& styles,
                    int64_t slice_length = kColouringSlice);

}  // namespace quillory
