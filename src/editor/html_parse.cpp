#include "editor/html_parse.h"

#include "editor/php_blocks.h"
#include "editor/quote_pass.h"
#include "editor/tag_pass.h"

namespace quillory {
namespace {

// Pages give about one run per 20 bytes, dense code one per 10. Reserving
// room for more costs only address space, while growing would copy
// megabytes.
size_t ExpectedRuns(TextRange range) {
  return static_cast<size_t>((range.last - range.first) / 8 + 16);
}

void ColourInto(std::string_view text, int64_t sel_start, int64_t s_line,
                int64_t e_line, const PhpKeywords& keywords,
                const PhpBlockIndex* index, PhpPassScratch& scratch,
                std::vector<FormatRun>& runs) {
  runs.clear();
  const TextRange range =
      ResolveColouringRange(text, sel_start, s_line, e_line);
  if (range.empty()) return;
  runs.reserve(ExpectedRuns(range));
  AddRun(runs, range.first, range.last, RunKind::kReset);
  AddTagRuns(text, range, runs);
  const bool indexed =
      index != nullptr &&
      index->text_length() == static_cast<int64_t>(text.size());
  const std::vector<PhpBlock> blocks =
      indexed ? index->BlocksOverlapping(range) : FindPhpBlocks(text, range);
  AddPhpRuns(text, range, blocks, keywords, scratch, runs);
  AddQuoteRuns(text, range, runs);
}

}  // namespace

std::vector<FormatRun> ParseHTML(std::string_view text, int64_t sel_start,
                                 int64_t s_line, int64_t e_line,
                                 const PhpKeywords& keywords,
                                 const PhpBlockIndex* index) {
  std::vector<FormatRun> runs;
  PhpPassScratch scratch;
  ColourInto(text, sel_start, s_line, e_line, keywords, index, scratch, runs);
  return runs;
}

const std::vector<FormatRun>& HtmlColourer::Colour(std::string_view text,
                                                   int64_t sel_start,
                                                   int64_t s_line,
                                                   int64_t e_line,
                                                   const PhpBlockIndex* index) {
  ColourInto(text, sel_start, s_line, e_line, keywords_, index, scratch_,
             runs_);
  return runs_;
}

}  // namespace quillory
