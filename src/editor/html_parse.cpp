#include "editor/html_parse.h"

#include "editor/php_blocks.h"
#include "editor/php_pass.h"
#include "editor/quote_pass.h"
#include "editor/tag_pass.h"

namespace quillory {

std::vector<FormatRun> ParseHTML(std::string_view text, int64_t sel_start,
                                 int64_t s_line, int64_t e_line,
                                 const PhpKeywords& keywords,
                                 const PhpBlockIndex* index) {
  const TextRange range =
      ResolveColouringRange(text, sel_start, s_line, e_line);
  if (range.empty()) return {};
  std::vector<FormatRun> runs;
  runs.push_back({range.first, range.last - range.first + 1, kPlainColour,
                  BoldChange::kOff});
  AddTagRuns(text, range, runs);
  const bool indexed =
      index != nullptr &&
      index->text_length() == static_cast<int64_t>(text.size());
  const std::vector<PhpBlock> blocks =
      indexed ? index->BlocksOverlapping(range) : FindPhpBlocks(text, range);
  AddPhpRuns(text, range, blocks, keywords, runs);
  AddQuoteRuns(text, range, runs);
  return runs;
}

}  // namespace quillory
