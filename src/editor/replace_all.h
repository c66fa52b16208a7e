#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "editor/find_session.h"

namespace quillory {

struct ReplaceAllResult {
  std::string text;
  // 0-based positions in `text` where each replacement begins, in order,
  // for a caller that retraces the replacements one at a time: the k-th
  // (from 0) sits at the same place in the text of every later step.
  std::vector<int64_t> starts;
};

// Every occurrence of `find` (matched under `rule`) replaced by `replacement`,
// left to right, each occurrence present before the command replaced once and
// the inserted text never searched again; the same text as replacing them
// one at a time. With `from` other than kTextStart only the occurrences
// starting at the 0-based `caret` or later are replaced. An empty `find`
// replaces nothing.
ReplaceAllResult ReplaceAll(std::string_view text, std::string_view find,
                            std::string_view replacement, SearchFrom from,
                            int64_t caret, MatchRule rule = {});

}  // namespace quillory
