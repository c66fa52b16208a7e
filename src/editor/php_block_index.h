#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

#include "editor/colouring_range.h"
#include "editor/gap_positions.h"
#include "editor/php_blocks.h"
#include "editor/text_source.h"

namespace quillory {

// Where every "<?" and "?>" of one text lies, kept current through edits,
// so that colouring a line finds the PHP blocks reaching into it without
// reading the text before the line. The owner of the text keeps one index
// per document and reports every change to it; it holds positions only,
// never the text.
class PhpBlockIndex {
 public:
  // Describes the empty text.
  PhpBlockIndex() = default;
  explicit PhpBlockIndex(std::string_view text);

  // `text` is the whole text after one change: at 0-based byte `offset`,
  // `removed` bytes were replaced by `inserted` bytes (either may be 0).
  // Reads only the inserted bytes and one on either side. A change that
  // does not fit the text the index describes rebuilds the index from all
  // of `text`.
  void Update(TextSource& text, int64_t offset, int64_t removed,
              int64_t inserted);

  // Length of the text the index describes; ParseHTML uses the index only
  // for a text of this length.
  int64_t text_length() const { return opens_.text_length(); }

  // Exactly FindPhpBlocks(text, range) for the text described, in time
  // logarithmic in the number of marks plus the blocks returned.
  std::vector<PhpBlock> BlocksOverlapping(TextRange range) const;

 private:
  GapPositions opens_;   // "<" of each "<?"
  GapPositions closes_;  // "?" of each "?>"
};

}  // namespace quillory
