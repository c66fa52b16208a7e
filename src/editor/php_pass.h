#pragma once

#include <string_view>
#include <vector>

#include "editor/colouring_range.h"
#include "editor/format_run.h"
#include "editor/php_blocks.h"
#include "editor/php_keywords.h"

namespace quillory {

// Appends, block by block in the given order, the block's PHP-coloured run
// clipped to `range` and then a bold run for each keyword starting within
// the block's part of the range, keyword by keyword in list order and each
// keyword's occurrences in text order. The keywords of blocks that overlap
// are found in one walk over their union, so nested blocks cost no
// rereading.
void AddPhpRuns(std::string_view text, TextRange range,
                const std::vector<PhpBlock>& blocks,
                const PhpKeywords& keywords, std::vector<FormatRun>& runs);

// Working memory of the pass, kept by a caller that colours repeatedly so
// that large texts do not allocate (and fault in) fresh memory every time.
struct PhpPassScratch {
  std::vector<KeywordHit> hits;
  std::vector<KeywordHit> mixed;
  std::vector<size_t> starts;
};

void AddPhpRuns(std::string_view text, TextRange range,
                const std::vector<PhpBlock>& blocks,
                const PhpKeywords& keywords, PhpPassScratch& scratch,
                std::vector<FormatRun>& runs);

}  // namespace quillory
