#include "editor/html_parse.h"

#include <algorithm>

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

// `range` and `blocks` in positions of `text` itself, which may be a piece
// of a longer text holding everything the passes read.
void ColourRange(std::string_view text, TextRange range,
                 const std::vector<PhpBlock>& blocks,
                 const PhpKeywords& keywords, PhpPassScratch& scratch,
                 std::vector<FormatRun>& runs) {
  runs.clear();
  if (range.empty()) return;
  runs.reserve(ExpectedRuns(range));
  AddRun(runs, range.first, range.last, RunKind::kReset);
  AddTagRuns(text, range, runs);
  AddPhpRuns(text, range, blocks, keywords, scratch, runs);
  AddQuoteRuns(text, range, runs);
}

void ColourInto(std::string_view text, int64_t sel_start, int64_t s_line,
                int64_t e_line, const PhpKeywords& keywords,
                const PhpBlockIndex* index, PhpPassScratch& scratch,
                std::vector<FormatRun>& runs) {
  const TextRange range =
      ResolveColouringRange(text, sel_start, s_line, e_line);
  const bool indexed =
      index != nullptr &&
      index->text_length() == static_cast<int64_t>(text.size());
  const std::vector<PhpBlock> blocks = range.empty() ? std::vector<PhpBlock>()
                                       : indexed
                                           ? index->BlocksOverlapping(range)
                                           : FindPhpBlocks(text, range);
  ColourRange(text, range, blocks, keywords, scratch, runs);
}

// What the passes read around `range`: the quote pass looks two bytes back
// for an escape, a keyword may run one longest entry past the end, and the
// byte after it decides whether it is a whole word.
TextRange ReadSpan(TextRange range, int64_t length,
                   const PhpKeywords& keywords) {
  const auto after = static_cast<int64_t>(keywords.longest_entry()) + 1;
  return {std::max<int64_t>(range.first - 2, 1),
          std::min(range.last + after, length)};
}

// NOTE: blocks come last first, and a "<?" inside a block ends with it at
// the same "?>". The enclosing block comes later and its runs cover the
// nested one's whole: its PHP colour keeps the bold and, when every keyword
// is a word found in one walk, its keywords include the nested one's. So a
// nested block changes no style, while a page with many "<?" and no "?>"
// would repeat every keyword once for each. A keyword of other bytes is
// searched block by block and a match may hide an overlapping one from the
// enclosing block only, so then the nested blocks stay.
void DropNestedBlocks(const PhpKeywords& keywords,
                      std::vector<PhpBlock>& blocks) {
  if (keywords.has_other_keywords()) return;
  const auto outermost = std::unique(
      blocks.rbegin(), blocks.rend(),
      [](const PhpBlock& a, const PhpBlock& b) { return a.close == b.close; });
  blocks.erase(blocks.begin(), outermost.base());
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

const std::vector<FormatRun>& HtmlColourer::Colour(TextSource& source,
                                                   int64_t sel_start,
                                                   int64_t s_line,
                                                   int64_t e_line,
                                                   const PhpBlockIndex& index) {
  const int64_t length = source.Length();
  if (index.text_length() != length) {
    return Colour(source.All(), sel_start, s_line, e_line);
  }
  const TextRange range =
      ResolveColouringRange(source, sel_start, s_line, e_line);
  if (range.empty()) {
    runs_.clear();
    return runs_;
  }
  const TextRange read = ReadSpan(range, length, keywords_);
  const int64_t shift = read.first - 1;
  blocks_ = index.BlocksOverlapping(range);
  DropNestedBlocks(keywords_, blocks_);
  // NOTE: a block opened before the range colours it as one opened at its
  // first position does, so clipping the opening loses nothing.
  for (PhpBlock& block : blocks_) {
    block = {std::max(block.open, range.first) - shift, block.close - shift};
  }
  ColourRange(source.Bytes(read), {range.first - shift, range.last - shift},
              blocks_, keywords_, scratch_, runs_);
  for (FormatRun& run : runs_) run.first += shift;
  return runs_;
}

// NOTE: assigning {} to a vector keeps its memory; a fresh one does not.
void HtmlColourer::FreeMemory() {
  blocks_ = std::vector<PhpBlock>();
  runs_ = std::vector<FormatRun>();
  scratch_ = PhpPassScratch();
}

}  // namespace quillory
