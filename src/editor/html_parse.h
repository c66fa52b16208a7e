#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

#include "editor/colouring_range.h"
#include "editor/format_run.h"
#include "editor/php_block_index.h"
#include "editor/php_keywords.h"
#include "editor/php_pass.h"
#include "editor/text_source.h"

namespace quillory {

// The colouring pass: the runs that colour positions s_line..e_line of
// `text` (1-based, inclusive; kFromCaret derives either from `sel_start` as
// ResolveColouringRange says). In order: the range reset to plain and not
// bold; tags; PHP blocks, last first, each followed by its keywords in
// bold; quoted strings. Runs may reach outside the range: a string may open
// one position before it and a keyword may run past its end.
//
// Without `index` the text is read back to the last "?>" before the range,
// which for a text without one is its start. With `index` describing this
// very text (same length; the caller keeps it current through every edit),
// colouring a line reads only that line and the keywords next to it. An
// index of another length is ignored. An empty text or range gives no runs.
std::vector<FormatRun> ParseHTML(std::string_view text, int64_t sel_start,
                                 int64_t s_line, int64_t e_line,
                                 const PhpKeywords& keywords,
                                 const PhpBlockIndex* index = nullptr);

// ParseHTML for a caller that colours again and again: it keeps the
// keywords and reuses its memory, so colouring a large text does not
// allocate fresh megabytes each time. Holds no text between calls, but
// keeps the memory its largest text needed.
class HtmlColourer {
 public:
  explicit HtmlColourer(PhpKeywords keywords)
      : keywords_(std::move(keywords)) {}

  // Exactly ParseHTML's runs; the list stays valid until the next call.
  const std::vector<FormatRun>& Colour(std::string_view text, int64_t sel_start,
                                       int64_t s_line, int64_t e_line,
                                       const PhpBlockIndex* index = nullptr);
  // Runs that give the same styles for a text read through `source`, which
  // `index` describes: reads the range, a few bytes on either side and, to
  // find the caret's line, that line; the rest of the text is never asked
  // for. They may leave out the runs of a PHP block nested in another,
  // which the enclosing block's runs override. An index of another length makes
  // it read the whole text.
  const std::vector<FormatRun>& Colour(TextSource& source, int64_t sel_start,
                                       int64_t s_line, int64_t e_line,
                                       const PhpBlockIndex& index);

  const PhpKeywords& keywords() const { return keywords_; }

  // Gives back the memory kept for the next call, after a text far longer
  // than the lines typing colours.
  void FreeMemory();

 private:
  PhpKeywords keywords_;
  std::vector<PhpBlock> blocks_;
  std::vector<FormatRun> runs_;
  PhpPassScratch scratch_;
};

}  // namespace quillory
